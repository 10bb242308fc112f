#!/usr/bin/env python3
"""Runs a compiler with every path under one folder written relative to the
folder the compiler runs in.

    relative-paths.py FOLDER COMPILER ARGUMENT...

Clang writes the file of an unnamed type into the names it makes for
functions (`(unnamed struct at FILE:LINE:COLUMN)` in __PRETTY_FUNCTION__),
as the path was given, and the clang of Debian's emscripten maps no prefix
there (-ffile-prefix-map and its kin change __FILE__ and the debug data
only). Given relative paths, it writes relative paths, which name no folder
of the machine that built the code. Response files are rewritten too."""
import os
import sys

folder = os.path.abspath(sys.argv[1]) + os.sep
relative = os.path.relpath(folder) + os.sep


def rewrite(text):
    return text.replace(folder, relative)


arguments = []
for argument in sys.argv[2:]:
    if argument.startswith("@") and os.path.isfile(argument[1:]):
        with open(argument[1:], encoding="utf-8") as original:
            text = original.read()
        rewritten = argument[1:] + ".relative"
        with open(rewritten, "w", encoding="utf-8") as file:
            file.write(rewrite(text))
        arguments.append("@" + rewritten)
    else:
        arguments.append(rewrite(argument))
os.execvp(arguments[0], arguments)
