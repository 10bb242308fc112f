"""Gives a Windows installer the package code it should have.

wixl writes a random package code into the installer's summary
information, whatever the source asks for. This replaces it in place
with the given one: both are strings of the same length, so nothing else
in the file moves.

    set_package_code.py INSTALLER.msi {PACKAGE-CODE}
"""
import re
import sys

installer, code = sys.argv[1], sys.argv[2].encode()
# The summary information's one string property of that length: type
# VT_LPSTR (30), length 39 (the braced code and its NUL), then the code.
pattern = re.compile(rb"\x1e\0\0\0\x27\0\0\0(\{[0-9A-F-]{36}\})\0")
data = open(installer, "rb").read()
found = list(pattern.finditer(data))
if len(found) != 1 or not re.fullmatch(rb"\{[0-9A-F-]{36}\}", code):
    sys.exit(f"{installer}: expected one package code and a braced code, found {len(found)}")
start, end = found[0].span(1)
open(installer, "wb").write(data[:start] + code + data[end:])
