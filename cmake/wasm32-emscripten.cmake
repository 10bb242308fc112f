# Building for the browser with Debian's emscripten, against the static Qt
# for WebAssembly that scripts/web-qt.sh builds (the "web" preset). Qt's
# own toolchain file finds Qt and hands on to emscripten's; the tests run
# their WebAssembly under node, emscripten's emulator.
include(${CMAKE_CURRENT_LIST_DIR}/WebQt.cmake)
if(NOT EXISTS "${ZOLINAR_WEB_QT}/lib/cmake/Qt6/qt.toolchain.cmake")
    message(FATAL_ERROR "No Qt for WebAssembly in ${ZOLINAR_WEB_QT}: run scripts/web-qt.sh")
endif()
# Qt asks emscripten's version through an emsdk layout (scripts/web-qt.sh).
set(ENV{EMSDK} "${ZOLINAR_WEB_QT}/emsdk")
include("${ZOLINAR_WEB_QT}/lib/cmake/Qt6/qt.toolchain.cmake")

# Node 18 and later have fetch(), which emscripten 3.1.6 then uses to load a
# test's WebAssembly, by a path fetch() cannot take; without it, the file is
# read from disk.
find_program(ZOLINAR_NODE NAMES node nodejs REQUIRED)
set(CMAKE_CROSSCOMPILING_EMULATOR ${ZOLINAR_NODE} --no-experimental-fetch)
