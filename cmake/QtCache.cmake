# Where a static Qt built for another platform lives: a versioned folder in
# the user's cache, outside every build tree, so that one long build of Qt
# serves every clone and every later run. The name carries the Qt version
# and the revision of the recipe that builds it; a change to that recipe
# bumps the revision, so an old build is never mistaken for the new one.
#
# zolinar_cached_qt(VARIABLE NAME) sets VARIABLE to the folder NAME in the
# cache, or to the environment variable of the same name when it is set.
# Run as a script (cmake -P) the file that calls it prints the folder, so
# the build script and the toolchain agree on one name.
macro(zolinar_cached_qt variable name)
    if(DEFINED ENV{${variable}})
        set(${variable} "$ENV{${variable}}")
    else()
        if(DEFINED ENV{XDG_CACHE_HOME} AND NOT "$ENV{XDG_CACHE_HOME}" STREQUAL "")
            set(${variable} "$ENV{XDG_CACHE_HOME}/it-zolinar/${name}")
        else()
            set(${variable} "$ENV{HOME}/.cache/it-zolinar/${name}")
        endif()
    endif()
    if(CMAKE_SCRIPT_MODE_FILE STREQUAL CMAKE_CURRENT_LIST_FILE)
        message("${${variable}}")
    endif()
endmacro()
