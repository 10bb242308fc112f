# What every release shares. zolinar_pack(GENERATOR FILE...) configures
# CPack, after the platform's own CPACK_ settings, to pack the same bytes
# from any clone, and lists the release files FILE... (the package and what
# else the build makes for release) in release-files.txt, one a line,
# relative to the build folder: the scripts learn the names there.
function(zolinar_pack generator)
    set(CPACK_GENERATOR ${generator})
    # All four numbers: CPack's default drops the fourth (dpkg: 1.0.0 < 1.0.0.0).
    set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
    # CPack dates the files with the sources' date, and the zip's members
    # are put in order and dated with it afterwards.
    set(CPACK_ZOLINAR_SOURCE_DATE_EPOCH ${ZOLINAR_SOURCE_DATE_EPOCH})
    set(CPACK_PROJECT_CONFIG_FILE ${PROJECT_SOURCE_DIR}/cmake/CPackDated.cmake)
    set(CPACK_POST_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/cmake/CPackNormalise.cmake)
    include(CPack)
    list(JOIN ARGN "\n" files)
    file(GENERATE OUTPUT ${PROJECT_BINARY_DIR}/release-files.txt CONTENT "${files}\n")
endfunction()

# The source of the last commit, beside a release that links a static Qt,
# whose license asks that the user can rebuild the program; dated with the
# commit's time. Sets ZOLINAR_SOURCE_ARCHIVE to its name, in a clone.
macro(zolinar_source_archive)
    if(EXISTS ${PROJECT_SOURCE_DIR}/.git)
        set(ZOLINAR_SOURCE_ARCHIVE ${PROJECT_NAME}-${PROJECT_VERSION}-src.tar.gz)
        find_package(Git REQUIRED)
        add_custom_target(zolinar_source_archive ALL
            COMMAND ${GIT_EXECUTABLE} -C ${PROJECT_SOURCE_DIR} archive --format=tar.gz
                --prefix=${PROJECT_NAME}-${PROJECT_VERSION}/ --output=${PROJECT_BINARY_DIR}/${ZOLINAR_SOURCE_ARCHIVE} HEAD
            COMMENT "Archiving the source of the last commit")
    endif()
endmacro()

# A statically linked LGPL Qt travels with its license and the notices of
# the third-party code built into it, which the script that built it (in
# scripts/) left in the folder that the variable qt names.
function(zolinar_install_qt_licenses qt script)
    if(NOT EXISTS "${${qt}}/licenses/Qt-THIRD-PARTY-NOTICES.txt")
        message(FATAL_ERROR "A static Qt needs its license texts in the package; "
            "build Qt with scripts/${script} or set ${qt}")
    endif()
    install(DIRECTORY "${${qt}}/licenses/" DESTINATION licenses)
endfunction()
