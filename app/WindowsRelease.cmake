# The Windows release: the zip, one folder with the program, its license,
# where its source is, and Qt's licenses; the installer made of the same
# files; and the source they are built from.
install(TARGETS IT_Zolinar RUNTIME DESTINATION .)
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION . RENAME LICENSE.txt)
configure_file(resources/windows/README.txt README.txt @ONLY)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/README.txt DESTINATION .)
get_target_property(qtCoreType Qt6::Core TYPE)
if(qtCoreType STREQUAL STATIC_LIBRARY)
    zolinar_install_qt_licenses(ZOLINAR_WINDOWS_QT windows-qt.sh)
endif()
set(CPACK_PACKAGE_FILE_NAME ${PROJECT_NAME}-${PROJECT_VERSION}-win64)

if(CMAKE_CROSSCOMPILING)
    # The installer, beside the zip: made by wixl from
    # resources/windows/IT_Zolinar.wxs.in, out of the files that the zip
    # holds, installed into a folder of the build for it. Its file and
    # product code are properties of zolinar_msi (MSI, PRODUCT_CODE).
    find_program(ZOLINAR_WIXL wixl REQUIRED)
    find_program(ZOLINAR_FAKETIME faketime REQUIRED)
    find_package(Python3 REQUIRED COMPONENTS Interpreter)
    set(ZOLINAR_PUBLISHER "IT_Zolinar developers")
    set(ZOLINAR_SHORTCUT_DESCRIPTION "Folk custom of the first steps: pick an object, learn the profession")
    set(ZOLINAR_UPGRADE_CODE 68B49E39-F126-434F-BA68-4D1845D48C25)
    string(UUID ZOLINAR_PRODUCT_CODE NAMESPACE ${ZOLINAR_UPGRADE_CODE} NAME ${PROJECT_VERSION} TYPE SHA1 UPPER)
    configure_file(resources/windows/IT_Zolinar.wxs.in IT_Zolinar.wxs @ONLY)
    set(installer ${CPACK_PACKAGE_FILE_NAME}.msi)
    file(GLOB qtLicenses "${ZOLINAR_WINDOWS_QT}/licenses/*")
    add_custom_command(OUTPUT ${PROJECT_BINARY_DIR}/${installer}
        COMMAND ${CMAKE_COMMAND} -D BINARY_DIR=${PROJECT_BINARY_DIR} -D STAGE=${CMAKE_CURRENT_BINARY_DIR}/msi
            -D ICON=${ZOLINAR_ICO} -D WXS=${CMAKE_CURRENT_BINARY_DIR}/IT_Zolinar.wxs -D MSI=${PROJECT_BINARY_DIR}/${installer}
            -D UPGRADE_CODE=${ZOLINAR_UPGRADE_CODE} -D EPOCH=${ZOLINAR_SOURCE_DATE_EPOCH} -D WIXL=${ZOLINAR_WIXL}
            -D FAKETIME=${ZOLINAR_FAKETIME} -D PYTHON=${Python3_EXECUTABLE} -P ${PROJECT_SOURCE_DIR}/cmake/MakeInstaller.cmake
        DEPENDS IT_Zolinar ${CMAKE_CURRENT_BINARY_DIR}/IT_Zolinar.wxs ${ZOLINAR_ICO} ${PROJECT_SOURCE_DIR}/LICENSE
            ${CMAKE_CURRENT_BINARY_DIR}/README.txt ${qtLicenses}
            ${PROJECT_SOURCE_DIR}/cmake/MakeInstaller.cmake ${PROJECT_SOURCE_DIR}/cmake/set_package_code.py
        COMMENT "Making the Windows installer")
    add_custom_target(zolinar_msi ALL DEPENDS ${PROJECT_BINARY_DIR}/${installer})
    set_target_properties(zolinar_msi PROPERTIES MSI ${PROJECT_BINARY_DIR}/${installer} PRODUCT_CODE ${ZOLINAR_PRODUCT_CODE})
endif()

zolinar_source_archive()
zolinar_pack(ZIP ${CPACK_PACKAGE_FILE_NAME}.zip ${installer} ${ZOLINAR_SOURCE_ARCHIVE}
    $<PATH:RELATIVE_PATH,$<TARGET_FILE:IT_Zolinar>,${PROJECT_BINARY_DIR}>)
