# The static Qt for WebAssembly that scripts/web-qt.sh builds and the web
# program links. Run as a script (cmake -P) it prints the folder.
set(ZOLINAR_WEB_QT_VERSION 6.4.2)
set(ZOLINAR_WEB_QT_RECIPE 3)
include(${CMAKE_CURRENT_LIST_DIR}/CacheFolder.cmake)
zolinar_cache_folder(ZOLINAR_WEB_QT qt-${ZOLINAR_WEB_QT_VERSION}-wasm32-emscripten-static-r${ZOLINAR_WEB_QT_RECIPE})
