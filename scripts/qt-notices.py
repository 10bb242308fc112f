#!/usr/bin/env python3
"""Writes the notices of the third-party code in a static Qt build.

Qt describes each piece of third-party code in a qt_attribution.json next
to it. A piece is taken as built in when the build compiled or included one
of its files, as Ninja's dependency log records, or built one in as a
resource; so the zlib and PCRE2 of a static Qt are listed, while the D-Bus
or network parts left out of the build are not. QtTest's pieces are
skipped: the program does not link it.

    qt-notices.py SOURCE_DIR BUILD_DIR OUTPUT
"""
import json
import re
import subprocess
import sys
from pathlib import Path


def attributions(source):
    for path in sorted((source / "src").rglob("qt_attribution.json")):
        if "testlib" in path.parts:
            continue
        # Some files repeat keys or break lines inside strings; the last
        # value of a key is the one that counts.
        data = json.loads(path.read_text(encoding="utf-8"), strict=False)
        for entry in data if isinstance(data, list) else [data]:
            yield path.parent, entry


def used(directory, entry, dependencies):
    # "Files" names files in the folder; "Path" a file or a subfolder.
    files = entry.get("Files", "").split() + entry.get("Path", "").split()
    if not files:
        prefix = f"{directory}/"
        return any(d.startswith(prefix) for d in dependencies)
    return any(d == f"{directory}/{name}" or d.startswith(f"{directory}/{name}/")
               for name in files for d in dependencies)


def main(source, build, output):
    source = source.resolve()
    log = subprocess.run(["ninja", "-C", str(build), "-t", "deps"],
                         check=True, capture_output=True, text=True).stdout
    dependencies = {line.strip() for line in log.splitlines() if line.startswith("    ")}
    dependencies |= {str(Path(d).resolve()) for d in dependencies if ".." in d}
    # Files built in as resources (fonts, images) are named by the
    # resource collections that Qt's build writes, not by the compiler.
    for collection in Path(build).rglob("*.qrc"):
        dependencies |= set(re.findall(r"<file[^>]*>([^<]+)</file>", collection.read_text(encoding="utf-8")))
    sections = []
    for directory, entry in attributions(source):
        if not used(directory, entry, dependencies):
            continue
        licence_files = entry.get("LicenseFile", "")
        licence_files = licence_files if isinstance(licence_files, list) else licence_files.split()
        texts = [(directory / name).read_text(encoding="utf-8", errors="replace").strip()
                 for name in licence_files if (directory / name).is_file()]
        heading = f"{entry['Name']}, version {entry.get('Version', 'unknown')}"
        sections.append("\n".join([
            heading, "=" * len(heading), "",
            f"Used in Qt as: {entry.get('QtUsage', '').strip()}",
            f"Home page: {entry.get('Homepage', '')}",
            f"License: {entry.get('License', '')} ({entry.get('LicenseId', '')})",
            f"Copyright: {entry.get('Copyright', '').strip()}",
            "", *texts, ""]))
    header = ("Third-party code in the Qt libraries built into IT_Zolinar\n\n"
              "Qt itself is used under the GNU Lesser General Public License 3.0\n"
              "(Qt-LGPL-3.0.txt). It contains the following third-party code.\n\n")
    Path(output).write_text(header + "\n\n".join(sections), encoding="utf-8")
    print(f"{len(sections)} third-party notices written to {output}")


if __name__ == "__main__":
    if len(sys.argv) != 4:
        sys.exit(__doc__)
    main(Path(sys.argv[1]), Path(sys.argv[2]), sys.argv[3])
