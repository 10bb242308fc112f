# Where the static Qt for Windows lives: a versioned folder in the user's
# cache, outside every build tree, so that one 40-minute build of Qt serves
# every clone and every later run. The name carries the Qt version and the
# revision of the recipe in scripts/windows-qt.sh; a change to that recipe
# bumps the revision, so an old build is never mistaken for the new one.
#
# Included by the toolchain file; run as a script (cmake -P) it prints the
# folder, so the build script and the toolchain agree on one name.
set(ZOLINAR_WINDOWS_QT_VERSION 6.4.2)
set(ZOLINAR_WINDOWS_QT_RECIPE 3)
if(DEFINED ENV{ZOLINAR_WINDOWS_QT})
    set(ZOLINAR_WINDOWS_QT "$ENV{ZOLINAR_WINDOWS_QT}")
else()
    if(DEFINED ENV{XDG_CACHE_HOME} AND NOT "$ENV{XDG_CACHE_HOME}" STREQUAL "")
        set(cache "$ENV{XDG_CACHE_HOME}")
    else()
        set(cache "$ENV{HOME}/.cache")
    endif()
    set(ZOLINAR_WINDOWS_QT
        "${cache}/it-zolinar/qt-${ZOLINAR_WINDOWS_QT_VERSION}-x86_64-w64-mingw32-static-r${ZOLINAR_WINDOWS_QT_RECIPE}")
endif()
if(CMAKE_SCRIPT_MODE_FILE STREQUAL CMAKE_CURRENT_LIST_FILE)
    message("${ZOLINAR_WINDOWS_QT}")
endif()
