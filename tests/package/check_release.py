#!/usr/bin/env python3
"""check_release.py FILE... (.deb .msi .exe .wasm.gz): reads back, as users' systems read them, the
version (written once, here) and the program, which must not carry the tests' failure seam."""
import gzip, re, struct, subprocess, sys, tempfile  # noqa: E401
from pathlib import Path

VERSION = "1.0.0.0"


def read(*command):
    return subprocess.run(command, check=True, capture_output=True).stdout.decode("latin-1")


def deb(path, folder):
    read("dpkg-deb", "-x", path, folder)
    changelog = gzip.decompress(Path(folder, "usr/share/doc/it-zolinar/changelog.gz").read_bytes()).decode()
    metainfo = Path(folder, "usr/share/metainfo/org.example.it_zolinar.metainfo.xml").read_text()
    return Path(folder, "usr/bin/IT_Zolinar"), {"Version": read("dpkg-deb", "-f", path, "Version").strip(),
        "changelog": re.match(r"it-zolinar \(([^)]*)\)", changelog)[1],
        "AppStream release": re.search(r'<release version="([^"]*)"', metainfo)[1]}


def msi(path, _):
    rows = (line.split("\t", 1) for line in read("msiinfo", "export", path, "Property").splitlines()[3:])
    return None, {"ProductVersion": dict(rows)["ProductVersion"].strip()}


def exe(path, _):
    record = read("wrestool", "--extract", "--raw", "--type=16", path).encode("latin-1")
    words = struct.unpack_from("<4H4H", record, record.index(struct.pack("<I", 0xFEEF04BD)) + 8)
    return Path(path), {"FILEVERSION": "%d.%d.%d.%d" % (words[1], words[0], words[3], words[2]),
                        "PRODUCTVERSION": "%d.%d.%d.%d" % (words[5], words[4], words[7], words[6])}


def gz(path, folder):  # the page's program, gzipped: nothing but the program
    program = Path(folder, "program")
    program.write_bytes(gzip.decompress(Path(path).read_bytes()))
    return program, {}


failures = []
for file in sys.argv[1:] or sys.exit(__doc__):
    with tempfile.TemporaryDirectory() as folder:
        program, versions = globals()[Path(file).suffix[1:]](file, folder)
        failures += [f"{Path(file).name}: {field} is {value!r}" for field, value in versions.items() if value != VERSION]
        if program and b"ZOLINAR_FAIL_AT" in program.read_bytes():
            failures.append(f"{Path(file).name}: the program carries the tests' failure seam")
    print(f"{Path(file).name}: read {', '.join(versions) or 'no version'}{', and its program' * bool(program)}")
if failures:
    sys.exit("FAIL: " + "\nFAIL: ".join(failures))
print(f"each carries {VERSION} and no failure seam")
