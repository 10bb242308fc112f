#!/usr/bin/env python3
"""Reads back what release files carry, with the tools their users' systems
read them with: the version, written once here, in the form each format
wants, and no trace of the tests' failure seam in the program they hold.

    check_release.py FILE...   (.deb, .msi, .exe, .wasm)
"""
import gzip
import re
import struct
import subprocess
import sys
import tempfile
from pathlib import Path

VERSION = "1.0.0.0"


def read(*command):
    return subprocess.run(command, check=True, capture_output=True).stdout.decode("latin-1")


def deb(path, folder):
    read("dpkg-deb", "-x", path, folder)
    changelog = gzip.decompress(Path(folder, "usr/share/doc/it-zolinar/changelog.gz").read_bytes()).decode()
    metainfo = Path(folder, "usr/share/metainfo/org.example.it_zolinar.metainfo.xml").read_text()
    return Path(folder, "usr/bin/IT_Zolinar"), {
        "Version": read("dpkg-deb", "-f", path, "Version").strip(),
        "changelog": re.match(r"it-zolinar \(([^)]*)\)", changelog)[1],
        "AppStream release": re.search(r'<release version="([^"]*)"', metainfo)[1]}


def msi(path, _):
    rows = (line.split("\t", 1) for line in read("msiinfo", "export", path, "Property").splitlines()[3:])
    return None, {"ProductVersion": dict(rows)["ProductVersion"].strip()}


def exe(path, _):
    record = read("wrestool", "--extract", "--raw", "--type=16", path).encode("latin-1")
    fixed = record.index(struct.pack("<I", 0xFEEF04BD))
    words = struct.unpack_from("<4I", record, fixed + 8)
    dotted = [f"{words[i] >> 16}.{words[i] & 0xFFFF}.{words[i + 1] >> 16}.{words[i + 1] & 0xFFFF}" for i in (0, 2)]
    return Path(path), dict(zip(("FILEVERSION", "PRODUCTVERSION"), dotted))


def wasm(path, _):
    return Path(path), {}


failures = []
for file in sys.argv[1:] or sys.exit(__doc__):
    with tempfile.TemporaryDirectory() as folder:
        program, versions = globals()[Path(file).suffix[1:]](file, folder)
        failures += [f"{Path(file).name}: {field} is {value!r}, not {VERSION}"
                     for field, value in versions.items() if value != VERSION]
        if program and b"ZOLINAR_FAIL_AT" in program.read_bytes():
            failures.append(f"{Path(file).name}: the program carries the tests' failure seam")
    print(f"{Path(file).name}: read {', '.join(versions) or 'no version'}, and the program inside")
if failures:
    sys.exit("FAIL: " + "\nFAIL: ".join(failures))
print(f"every file carries version {VERSION} and no failure seam")
