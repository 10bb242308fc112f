# Cross-compiling for 64-bit Windows with Debian's mingw-w64 compilers, the
# posix thread model (std::thread and std::mutex, which Qt needs).
#
# Used twice: to build the static Qt (scripts/windows-qt.sh) and to build
# the program against it (the "windows" preset). Everything is linked
# statically, libstdc++, libgcc and winpthread included, so the executable
# needs no DLL beside it.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(triple x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${triple}-gcc-posix)
set(CMAKE_CXX_COMPILER ${triple}-g++-posix)
set(CMAKE_RC_COMPILER ${triple}-windres)
set(CMAKE_EXE_LINKER_FLAGS_INIT -static)
# Release programs are stripped as they are linked, so the tests run the
# very file that ships.
set(CMAKE_EXE_LINKER_FLAGS_RELEASE_INIT -s)

include(${CMAKE_CURRENT_LIST_DIR}/WindowsQt.cmake)
set(CMAKE_FIND_ROOT_PATH /usr/${triple} ${ZOLINAR_WINDOWS_QT})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Qt's moc, uic and rcc run on this machine: they are the installed ones.
set(QT_HOST_PATH /usr CACHE PATH "")
execute_process(COMMAND ${CMAKE_COMMAND} -E env --unset=CC dpkg-architecture -qDEB_HOST_MULTIARCH
    OUTPUT_VARIABLE multiarch OUTPUT_STRIP_TRAILING_WHITESPACE)
set(QT_HOST_PATH_CMAKE_DIR /usr/lib/${multiarch}/cmake CACHE PATH "")

# Tests run under Wine; tests/windows/wine.sh gives them a private prefix.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../tests/windows/wine.sh)
