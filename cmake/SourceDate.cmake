# The time that every release file is stamped with, so that two builds of
# one commit give the same bytes wherever they run: SOURCE_DATE_EPOCH if the
# builder sets it, otherwise the time of the commit being built, read from
# Git in a clone, or from source-date.txt in a source archive (git archive
# writes the commit's time into that file; see .gitattributes).
function(zolinar_source_date_epoch result)
    if(DEFINED ENV{SOURCE_DATE_EPOCH})
        set(epoch "$ENV{SOURCE_DATE_EPOCH}")
    elseif(EXISTS "${PROJECT_SOURCE_DIR}/.git")
        find_package(Git REQUIRED)
        execute_process(COMMAND ${GIT_EXECUTABLE} log -1 --format=%ct
            WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
            OUTPUT_VARIABLE epoch OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
    else()
        file(STRINGS "${CMAKE_CURRENT_FUNCTION_LIST_DIR}/source-date.txt" epoch LIMIT_COUNT 1)
    endif()
    if(NOT epoch MATCHES "^[0-9]+$")
        message(FATAL_ERROR "No source date: set SOURCE_DATE_EPOCH to the seconds since 1970 of the sources")
    endif()
    set(${result} ${epoch} PARENT_SCOPE)
endfunction()
