# axe-core, the accessibility rules the page's test holds the page to, at
# the version axe/package-lock.json pins. Debian has no package of it:
# scripts/axe-core.sh installs it from npm into this cache folder. Run as a
# script (cmake -P) it prints the folder.
include(${CMAKE_CURRENT_LIST_DIR}/../../cmake/CacheFolder.cmake)
zolinar_cache_folder(ZOLINAR_AXE_CORE axe-core)
