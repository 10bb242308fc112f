# The static Qt for Windows that scripts/windows-qt.sh builds and the
# program links. Included by the toolchain file; run as a script (cmake -P)
# it prints the folder.
set(ZOLINAR_WINDOWS_QT_VERSION 6.4.2)
set(ZOLINAR_WINDOWS_QT_RECIPE 4)
include(${CMAKE_CURRENT_LIST_DIR}/CacheFolder.cmake)
zolinar_cache_folder(ZOLINAR_WINDOWS_QT
    qt-${ZOLINAR_WINDOWS_QT_VERSION}-x86_64-w64-mingw32-static-r${ZOLINAR_WINDOWS_QT_RECIPE})
