#!/usr/bin/env python3
"""Reads the built Windows executable as Windows would and checks it.

- A PE32+ x86-64 program for the GUI subsystem (no console window).
- Self-contained: it imports Windows system DLLs only, no Qt, C++ runtime,
  libgcc or winpthread DLL.
- Its group icon, extracted with wrestool, holds one 32 x 32 image with a
  256-colour palette, pixel for pixel the XPM picture.
- Its version record, parsed from the raw resource: language 1033, block
  040904B0 with code page 1200, versions 1,0,0,0 and "1.00", names.

    check_executable.py IT_Zolinar.exe hamburger.xpm
"""
import re
import struct
import subprocess
import sys
import tempfile
from pathlib import Path

OBJDUMP = "x86_64-w64-mingw32-objdump"
# DLLs that every Windows 10 and 11 installation has in System32, and the
# API sets that Windows' loader resolves to them (api-ms-win-*).
SYSTEM_DLLS = {
    "api-ms-win-core-synch-l1-2-0.dll", "api-ms-win-core-winrt-l1-1-0.dll",
    "api-ms-win-core-winrt-string-l1-1-0.dll", "shcore.dll",
    "advapi32.dll", "comdlg32.dll", "d3d9.dll", "dwmapi.dll", "gdi32.dll", "imm32.dll",
    "kernel32.dll", "msvcrt.dll", "netapi32.dll", "ole32.dll", "oleaut32.dll",
    "opengl32.dll", "setupapi.dll", "shell32.dll", "shlwapi.dll", "user32.dll",
    "userenv.dll", "uxtheme.dll", "version.dll", "winmm.dll", "ws2_32.dll",
    "wtsapi32.dll", "mpr.dll", "authz.dll", "dxgi.dll", "d3d11.dll", "dwrite.dll",
    "d2d1.dll", "winspool.drv", "crypt32.dll", "bcrypt.dll", "ntdll.dll",
}

failures = []


def check(condition, message):
    if not condition:
        failures.append(message)


def run(*command, binary=False):
    return subprocess.run(command, check=True, capture_output=True, text=not binary).stdout


def check_headers_and_imports(exe):
    headers = run(OBJDUMP, "-p", exe)
    check("file format pei-x86-64" in headers, "not a 64-bit PE file")
    check(re.search(r"^Magic\s+020b\s+\(PE32\+\)", headers, re.M), "not PE32+")
    check(re.search(r"^Subsystem\s+00000002\s+\(Windows GUI\)", headers, re.M),
          "not a GUI-subsystem program: " + str(re.findall(r"^Subsystem.*", headers, re.M)))
    imports = {name.lower() for name in re.findall(r"^\s*DLL Name: (\S+)", headers, re.M)}
    check(imports, "no imports found")
    check(imports <= SYSTEM_DLLS, f"imports DLLs that are not Windows' own: {sorted(imports - SYSTEM_DLLS)}")


def check_icon(exe, xpm, work):
    listing = run("wrestool", "--list", exe)
    groups = re.findall(r"--type=14 --name=\S+ --language=(\d+)", listing)
    check(len(groups) == 1, f"expected one group icon: {listing}")
    ico = Path(work) / "icon.ico"
    ico.write_bytes(run("wrestool", "--extract", "--type=14", exe, binary=True))
    data = ico.read_bytes()
    reserved, kind, count = struct.unpack_from("<HHH", data)
    check((reserved, kind, count) == (0, 1, 1), f"the group icon holds {count} images")
    width, height, colours, _, planes, bits = struct.unpack_from("<BBBBHH", data, 6)
    check((width, height) == (32, 32), f"the icon image is {width} x {height}")
    check(colours == 0 and bits == 8, f"the icon image has {bits} bits per pixel and {colours} colours")
    offset = struct.unpack_from("<I", data, 18)[0]
    check(struct.unpack_from("<H", data, offset + 14)[0] == 8, "the icon bitmap is not 8 bits per pixel")
    difference = subprocess.run(["compare", "-metric", "AE", xpm, f"ico:{ico}", "null:"],
                                capture_output=True, text=True)
    check(difference.stderr.strip() == "0", f"the icon differs from the XPM in {difference.stderr.strip()} pixels")


def blocks(data, offset, end):
    """Yields (key, value bytes, text value, children) of version-record blocks."""
    while offset < end:
        length, value_length, kind = struct.unpack_from("<HHH", data, offset)
        if length == 0:
            break
        key_end = offset + 6
        while data[key_end:key_end + 2] != b"\0\0":
            key_end += 2
        key = data[offset + 6:key_end].decode("utf-16-le")
        value_start = (key_end + 2 + 3) & ~3
        value_size = value_length * 2 if kind == 1 else value_length
        value = data[value_start:value_start + value_size]
        text = value.decode("utf-16-le").rstrip("\0") if kind == 1 else None
        children_start = (value_start + value_size + 3) & ~3
        yield key, value, text, (children_start, offset + length)
        offset = (offset + length + 3) & ~3


def check_version(exe):
    listing = run("wrestool", "--list", exe)
    check(re.search(r"--type=16 --name=1 --language=1033", listing), f"no version record in language 1033: {listing}")
    data = run("wrestool", "--extract", "--raw", "--type=16", exe, binary=True)
    (key, fixed, _, (start, end)), = list(blocks(data, 0, len(data)))
    check(key == "VS_VERSION_INFO", f"the version resource is {key}")
    signature, _, file_ms, file_ls, product_ms, product_ls = struct.unpack_from("<6I", fixed)
    check(signature == 0xFEEF04BD, "no fixed file information")
    for what, ms, ls in (("FileVersion", file_ms, file_ls), ("ProductVersion", product_ms, product_ls)):
        check((ms >> 16, ms & 0xFFFF, ls >> 16, ls & 0xFFFF) == (1, 0, 0, 0), f"the fixed {what} is not 1,0,0,0")
    strings, translation = {}, None
    for key, _, _, (child_start, child_end) in blocks(data, start, end):
        for table, value, _, (table_start, table_end) in blocks(data, child_start, child_end):
            if key == "StringFileInfo":
                check(table == "040904B0", f"the string block is {table}")
                strings = {name: text for name, _, text, _ in blocks(data, table_start, table_end)}
            elif key == "VarFileInfo" and table == "Translation":
                translation = struct.unpack("<HH", value)
    check(translation == (1033, 1200), f"the translation is {translation}")
    expected = {"FileVersion": "1.00", "ProductVersion": "1.00",
                "InternalName": "IT_Zolinar", "OriginalFilename": "IT_Zolinar.exe"}
    for name, value in expected.items():
        check(strings.get(name) == value, f"{name} is {strings.get(name)!r}, not {value!r}")


def main(exe, xpm):
    check_headers_and_imports(exe)
    with tempfile.TemporaryDirectory() as work:
        check_icon(exe, xpm, work)
    check_version(exe)
    if failures:
        sys.exit("FAIL: " + "\nFAIL: ".join(failures))
    print("the executable: PE32+ GUI program, system DLLs only, one 32 x 32 8-bit icon, version record as set")


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    main(sys.argv[1], sys.argv[2])
