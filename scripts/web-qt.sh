#!/usr/bin/env bash
# Builds the static Qt for WebAssembly that the web program links, once,
# into the versioned cache folder that cmake/WebQt.cmake names (about 8
# minutes on two cores); a later run finds it finished and returns at once.
#
# The source is Debian's qt6-base, fetched as for Windows (qt-build.sh), and
# the compiler is Debian's emscripten. Qt's host tools are the installed
# ones. Only Core, Gui and Widgets are built, without threads (a page's
# program runs on the browser's main thread) and with OpenGL, which the
# WebAssembly platform plugin draws widgets through (WebGL). FreeType and
# the Fusion style stay: a browser has no system fonts or native style.
#
# Qt's configuration, and that of a program using it, insists on an emsdk
# layout: it reads $EMSDK/.emscripten for the emscripten root and runs emcc
# from there. A small one inside the cache folder points at Debian's
# emscripten (cmake/wasm32-emscripten.cmake points programs at it). Debian's
# CMake toolchain guesses the emscripten root from its own folder, wrongly
# when reached through a link, so the root is given; and its link step runs
# node with Debian's acorn, which a node from elsewhere finds only through
# NODE_PATH.
#
# The page's program names no folder of the machine that built it: Qt is
# relocatable, so QtCore keeps no install prefix, and since clang names the
# file of an unnamed type in the names it makes for functions, as the path
# was given and with no prefix mapped, the compiler is given every path
# under the work folder relative to the build folder (relative-paths.py).
label="Qt for WebAssembly"
qt_folder=cmake/WebQt.cmake
source "$(dirname "$0")/qt-build.sh"

export EMSCRIPTEN=/usr/share/emscripten
export NODE_PATH=/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}
export EMSDK=$prefix/emsdk
mkdir -p "$EMSDK/upstream/emscripten"
ln -sfn /usr/bin/emcc "$EMSDK/upstream/emscripten/emcc"
ln -sfn "$EMSCRIPTEN/cmake" "$EMSDK/upstream/emscripten/cmake"
echo "EMSCRIPTEN_ROOT = 'upstream/emscripten'" >"$EMSDK/.emscripten"

# The page scales the canvas down where the window would not fit (WebPage),
# and Qt 6.4 measures the canvas, and places touches and wheel turns on it,
# by the size the page draws it at; taught to use the canvas's own size, as
# it already does for the mouse, it lays out and takes input as unscaled.
# And it watches the canvas's size, as it has the means to but never starts
# to, since the page lays the canvas out anew without the browser's window
# changing size.
qt_patches=(web-qt-scaled-canvas.patch)

qt_build \
    -DQT_QMAKE_TARGET_MKSPEC=wasm-emscripten \
    -DCMAKE_TOOLCHAIN_FILE="$EMSCRIPTEN/cmake/Modules/Platform/Emscripten.cmake" \
    -DFEATURE_thread=OFF -DFEATURE_ico=OFF -DFEATURE_relocatable=ON \
    -DCMAKE_C_COMPILER_LAUNCHER="python3;$project/scripts/relative-paths.py;$work" \
    -DCMAKE_CXX_COMPILER_LAUNCHER="python3;$project/scripts/relative-paths.py;$work"
