# Run by cpack after it packs. A zip lists its members in the order the
# folder was read, which differs from one file system to another;
# strip-nondeterminism sorts them and dates them with the sources' date.
foreach(package IN LISTS CPACK_PACKAGE_FILES)
    if(package MATCHES "\\.zip$")
        find_program(stripNondeterminism strip-nondeterminism REQUIRED)
        execute_process(COMMAND ${stripNondeterminism} --type zip --timestamp $ENV{SOURCE_DATE_EPOCH} ${package}
            COMMAND_ERROR_IS_FATAL ANY)
    endif()
endforeach()
