#!/usr/bin/env bash
# Builds the static Qt for Windows that the Windows program links, once, into
# the versioned cache folder that cmake/WindowsQt.cmake names, from Debian's
# source of the Qt this machine runs (functions.sh), cross-compiled with the
# mingw-w64 posix compiler; moc, uic and rcc are the installed ones.
#
# Only Core, Gui and Widgets, the Windows platform plugin and the Windows
# styles are built. This source needs some settings: Debian's repack drops
# the Wintab headers, so tablet events are off; Qt 6.4's Windows platform
# plugin does not compile without OpenGL (it only links the system's
# opengl32.dll) nor link without Direct2D (which carries Qt's DirectWrite
# font code), and the WindowsVista style includes the headers of a few
# widgets unconditionally, so those stay on.
#
# Made for a small executable that names no machine: optimised for size,
# one section per function so that the program's link drops what it does
# not call, relocatable, every source path mapped to a neutral name.
# Link-time optimisation would not reach Qt: its objects are big-object
# COFF files, which GCC 12's LTO plugin leaves to the plain linker.
set -euo pipefail
source "$(dirname "$0")/functions.sh"
qt_locate "Qt for Windows" cmake/WindowsQt.cmake
qt_built && exit 0

# The Windows styles draw the window, and the fonts are the system's.
qt_unused_features+=(style_fusion freetype)
# Qt looks for settings files, qtlogging.ini among them, in the program's
# own folder and a data folder in it too; a program is run from folders
# that others can write to, such as Downloads, so it looks there no more.
qt_patches=(windows-qt-config-locations.patch)
qt_build \
    -DCMAKE_TOOLCHAIN_FILE="$project/cmake/mingw-w64-x86_64.cmake" \
    -DFEATURE_gc_binaries=ON -DFEATURE_relocatable=ON \
    -DFEATURE_tabletevent=OFF -DFEATURE_sql_odbc=OFF \
    -DFEATURE_system_zlib=OFF -DFEATURE_system_pcre2=OFF -DFEATURE_system_png=OFF \
    -DFEATURE_system_jpeg=OFF -DFEATURE_system_harfbuzz=OFF \
    -DFEATURE_system_freetype=OFF -DFEATURE_system_doubleconversion=OFF \
    -DFEATURE_ico=ON
