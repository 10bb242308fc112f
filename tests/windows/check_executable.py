#!/usr/bin/env python3
"""Reads the built Windows executable as Windows would and checks it: a
PE32+ x86-64 GUI-subsystem program whose import table names only Windows'
KnownDLLs and API sets, which Windows never looks for beside the program
(the other system DLLs are delay-loaded); an application manifest with the
supported Windows versions, per-monitor DPI awareness and asInvoker; one
group icon, of one 32 x 32 image with a 256-colour palette; a version
record in language 1033 whose every field, parsed from the raw resource,
is as set. A file of at most 12 MiB that names none of the builder's
folders (home, temporary, Qt's, the clone's, the build's).

    check_executable.py IT_Zolinar.exe BUILDER-FOLDER...
    check_executable.py --resources-only FILE.dll   (the resources alone)
"""
import re
import struct
import subprocess
import sys
import xml.etree.ElementTree as ElementTree
from pathlib import Path

# The DLLs Windows never looks for beside a program (KnownDlls.txt).
KNOWN_DLLS = {name for line in (Path(__file__).parent / "KnownDlls.txt").read_text().splitlines()
              if not line.startswith("#") for name in line.split()}
SUPPORTED_OS = {"{35138b9a-5d96-4fbd-8e2d-a2440225f93a}", "{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}",
                "{1f676c76-80e1-4239-95bb-83d0f6d0da78}", "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"}
failures = []


def check(condition, message):
    if not condition:
        failures.append(message)


def run(*command):
    return subprocess.run(command, check=True, capture_output=True).stdout


def blocks(data, offset, end):
    """Yields (key, value, children's span) of each version-record block."""
    while offset < end:
        length, value_length, is_text = struct.unpack_from("<HHH", data, offset)
        key_end = data.index(b"\0\0", offset + 6)
        key_end += (key_end - offset) % 2  # UTF-16 characters start at even offsets
        value_start = (key_end + 2 + 3) & ~3
        value = data[value_start:value_start + value_length * (2 if is_text else 1)]
        yield (data[offset + 6:key_end].decode("utf-16-le"),
               value.decode("utf-16-le").rstrip("\0") if is_text else value,
               ((value_start + len(value) + 3) & ~3, offset + length))
        offset = (offset + length + 3) & ~3


def check_program(exe, folders):
    data = open(exe, "rb").read()
    check(len(data) <= 12 << 20, f"the executable weighs {len(data) / (1 << 20):.1f} MiB, more than 12")
    for folder in folders:
        for encoding in ("utf-8", "utf-16-le"):
            check(folder.rstrip("/").encode(encoding) + "/".encode(encoding) not in data,
                  f"the executable names the builder's folder {folder} ({encoding})")
    headers = run("x86_64-w64-mingw32-objdump", "-p", exe).decode()
    check(re.search(r"^Magic\s+020b\s+\(PE32\+\)", headers, re.M), "not a PE32+ file")
    check(re.search(r"^Subsystem\s+00000002\s+\(Windows GUI\)", headers, re.M), "not a GUI-subsystem program")
    imports = {name.lower().removesuffix(".dll") for name in re.findall(r"DLL Name: (\S+)", headers)}
    searched = {name for name in imports - KNOWN_DLLS if not name.startswith("api-ms-win-")}
    check(imports and not searched, f"imports DLLs that Windows looks for beside the program: {sorted(searched)}")


def check_resources(exe):

    manifest = ElementTree.fromstring(run("wrestool", "--extract", "--raw", "--type=24", "--name=1", exe) or b"<none/>")
    check({e.get("Id") for e in manifest.iter() if e.tag.endswith("}supportedOS")} == SUPPORTED_OS,
          "the manifest does not declare Windows 7, 8, 8.1 and 10/11")
    settings = {e.tag.rpartition("}")[2]: e.get("level", e.text) for e in manifest.iter()}
    settings = tuple(settings.get(tag) for tag in ("dpiAwareness", "dpiAware", "requestedExecutionLevel"))
    check(settings == ("PerMonitorV2", "true/pm", "asInvoker"), f"the manifest's DPI awareness and level are {settings}")

    listing = run("wrestool", "--list", exe).decode()
    check(len(re.findall(r"--type=14 ", listing)) == 1, f"not one group icon: {listing}")
    check(re.search(r"--type=16 --name=1 --language=1033", listing), f"no version record in language 1033: {listing}")
    ico = run("wrestool", "--extract", "--type=14", exe)
    check(struct.unpack_from("<HHH", ico) == (0, 1, 1), "the group icon does not hold exactly one image")
    width, height, colours, _, _, bits = struct.unpack_from("<BBBBHH", ico, 6)
    check((width, height, colours, bits) == (32, 32, 0, 8),
          f"the icon is {width} x {height}, {bits} bits per pixel, {colours} colours, not 32 x 32 with 8 and 256")
    check(struct.unpack_from("<H", ico, struct.unpack_from("<I", ico, 18)[0] + 14)[0] == 8,
          "the icon's bitmap is not 8 bits per pixel")

    data = run("wrestool", "--extract", "--raw", "--type=16", exe)
    (key, fixed, (start, end)), = blocks(data, 0, len(data))
    check(key == "VS_VERSION_INFO" and struct.unpack_from("<I", fixed)[0] == 0xFEEF04BD, "no fixed file information")
    found = {}
    for key, _, (child_start, child_end) in blocks(data, start, end):
        for table, value, (table_start, table_end) in blocks(data, child_start, child_end):
            found[key, table] = value
            found.update({(table, name): text for name, text, _ in blocks(data, table_start, table_end)})
    expected = {("StringFileInfo", "040904B0"): "", ("VarFileInfo", "Translation"): struct.pack("<HH", 1033, 1200),
                ("040904B0", "FileVersion"): "1.00", ("040904B0", "ProductVersion"): "1.00",
                ("040904B0", "InternalName"): "IT_Zolinar", ("040904B0", "OriginalFilename"): "IT_Zolinar.exe"}
    for field, value in expected.items():
        check(found.get(field) == value, f"{'/'.join(field)} is {found.get(field)!r}, not {value!r}")



if __name__ == "__main__":
    resources_only = sys.argv[1:2] == ["--resources-only"]
    if len(sys.argv) < 2 or resources_only and len(sys.argv) != 3:
        sys.exit(__doc__)
    if not resources_only:
        check_program(sys.argv[1], sys.argv[2:])
    check_resources(sys.argv[2] if resources_only else sys.argv[1])
    if failures:
        sys.exit("FAIL: " + "\nFAIL: ".join(failures))
    print(("" if resources_only else "PE32+ GUI program within 12 MiB, no builder's folder, KnownDLLs and API sets only; ")
          + "manifest, one 32 x 32 8-bit icon, version record as set")
