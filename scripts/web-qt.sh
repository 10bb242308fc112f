#!/usr/bin/env bash
# Builds the static Qt for WebAssembly that the web program links, once,
# into the versioned cache folder that cmake/WebQt.cmake names, from
# Debian's qt6-base as for Windows, with Debian's emscripten and the
# installed host tools: Core, Gui and Widgets, without threads (a page's
# program runs on the browser's main thread), with OpenGL, which the
# platform plugin draws through (WebGL), FreeType and the Fusion style.
#
# Qt insists on an emsdk layout ($EMSDK/.emscripten names the emscripten
# root, and emcc is run from there): a small one in the cache folder points
# at Debian's emscripten. Debian's CMake toolchain guesses that root wrongly
# through a link, so it is given; its link step finds Debian's acorn
# through NODE_PATH. The page names no folder of the builder: Qt is
# relocatable, and since clang writes the file of an unnamed type, as
# given, into the names it makes for functions, the compiler gets every
# path under the work folder relative to the build folder (relative-paths.py).
set -euo pipefail
source "$(dirname "$0")/functions.sh"
qt_locate "Qt for WebAssembly" cmake/WebQt.cmake
qt_built && exit 0

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
