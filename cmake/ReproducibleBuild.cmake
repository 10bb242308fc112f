# Release files are the same bytes from any clone and any folder: every tool
# that stamps a time takes the sources' date, and nothing the compiler
# writes names a folder of this machine.
#
# The sources' date, ZOLINAR_SOURCE_DATE_EPOCH, is SOURCE_DATE_EPOCH if the
# builder sets it, otherwise the time of the commit being built, read from
# Git in a clone, or from source-date.txt in a source archive (git archive
# writes the commit's time into that file; see .gitattributes).
if(DEFINED ENV{SOURCE_DATE_EPOCH})
    set(ZOLINAR_SOURCE_DATE_EPOCH "$ENV{SOURCE_DATE_EPOCH}")
elseif(EXISTS "${PROJECT_SOURCE_DIR}/.git")
    find_package(Git REQUIRED)
    execute_process(COMMAND ${GIT_EXECUTABLE} log -1 --format=%ct WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
        OUTPUT_VARIABLE ZOLINAR_SOURCE_DATE_EPOCH OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
else()
    file(STRINGS "${CMAKE_CURRENT_LIST_DIR}/source-date.txt" ZOLINAR_SOURCE_DATE_EPOCH LIMIT_COUNT 1)
endif()
if(NOT ZOLINAR_SOURCE_DATE_EPOCH MATCHES "^[0-9]+$")
    message(FATAL_ERROR "No source date: set SOURCE_DATE_EPOCH to the seconds since 1970 of the sources")
endif()

if(NOT MSVC)
    add_compile_options(-ffile-prefix-map=${PROJECT_SOURCE_DIR}/= -ffile-prefix-map=${PROJECT_BINARY_DIR}/=)
    foreach(qt ZOLINAR_WINDOWS_QT ZOLINAR_WEB_QT)
        if(DEFINED ${qt})
            add_compile_options(-ffile-prefix-map=${${qt}}=qt)
        endif()
    endforeach()
endif()
# The linker (the PE time stamp), rcc (the resources' times) and the other
# tools the build runs read the date from the environment.
set(dated ${CMAKE_COMMAND} -E env SOURCE_DATE_EPOCH=${ZOLINAR_SOURCE_DATE_EPOCH}
    QT_RCC_SOURCE_DATE_OVERRIDE=${ZOLINAR_SOURCE_DATE_EPOCH})
set(CMAKE_CXX_LINKER_LAUNCHER ${dated})
list(JOIN dated " " dated)
set_property(GLOBAL PROPERTY RULE_LAUNCH_CUSTOM "${dated}")
