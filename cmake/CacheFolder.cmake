# What the builds and tests make once and keep outside every build tree: a
# folder in the user's cache, so that one long build (a static Qt for
# another platform) or one download (the page test's accessibility rules)
# serves every clone and every later run. A static Qt's name carries the Qt
# version and the revision of the recipe that builds it; a change to that
# recipe bumps the revision, so an old build is never mistaken for the new
# one.
#
# zolinar_cache_folder(VARIABLE NAME) sets VARIABLE to the folder NAME in the
# cache, or to the environment variable of the same name when it is set.
# Run as a script (cmake -P) the file that calls it prints the folder, and
# nothing else, on standard output (messages and warnings go to standard
# error), so the script that fills it and the build agree on one name.
macro(zolinar_cache_folder variable name)
    set(${variable} "$ENV{${variable}}")
    if(${variable} STREQUAL "")
        set(${variable} "$ENV{XDG_CACHE_HOME}")
        if(${variable} STREQUAL "")
            set(${variable} "$ENV{HOME}/.cache")
        endif()
        set(${variable} "${${variable}}/it-zolinar/${name}")
    endif()
    if(CMAKE_SCRIPT_MODE_FILE STREQUAL CMAKE_CURRENT_LIST_FILE)
        execute_process(COMMAND ${CMAKE_COMMAND} -E echo "${${variable}}" COMMAND_ERROR_IS_FATAL ANY)
    endif()
endmacro()
