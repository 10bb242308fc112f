# The program on a Linux desktop: the program, its desktop entry, AppStream
# metadata, icons and manual page in the standard places; and the Debian
# package of them, with its own copyright and changelog.
install(TARGETS IT_Zolinar RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
set(CPACK_PACKAGE_NAME it-zolinar)
configure_file(resources/${ZOLINAR_APP_ID}.metainfo.xml.in ${ZOLINAR_APP_ID}.metainfo.xml @ONLY)
install(FILES resources/${ZOLINAR_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/${ZOLINAR_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
if(ZOLINAR_ICON_FILES)
    install(FILES ${ZOLINAR_PNG32} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/32x32/apps RENAME ${ZOLINAR_APP_ID}.png)
    install(FILES ${ZOLINAR_PNG64} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/64x64/apps RENAME ${ZOLINAR_APP_ID}.png)
endif()
# Manual pages and the package changelog go compressed, reproducibly.
foreach(document IT_Zolinar.1 changelog)
    configure_file(resources/${document} ${document} @ONLY)
    add_custom_command(OUTPUT ${document}.gz
        COMMAND gzip -9 -n -c ${document} > ${document}.gz
        DEPENDS ${CMAKE_CURRENT_BINARY_DIR}/${document})
    list(APPEND compressedDocuments ${CMAKE_CURRENT_BINARY_DIR}/${document}.gz)
endforeach()
add_custom_target(zolinar_documents ALL DEPENDS ${compressedDocuments})
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/IT_Zolinar.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
# The Debian package's own documents: only the package installs them.
install(FILES resources/copyright ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz
    DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/${CPACK_PACKAGE_NAME} COMPONENT debian EXCLUDE_FROM_ALL)

# The Debian package; dpkg-shlibdeps finds the libraries. The window's fixed
# layout needs the metrics of Liberation Serif (without it the heading
# loses letters). Without Qt's Wayland plugin the program runs through
# XWayland, and without Qt's Bulgarian texts Qt's own are English.
set(CPACK_PACKAGE_VENDOR "IT_Zolinar developers")
set(CPACK_PACKAGE_CONTACT "IT_Zolinar developers <developers@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "folk custom of a child's first steps")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "When a child begins to walk, objects are laid in a circle around it, and the
object the child carries out of the circle is taken to foretell its
profession. This small program with a Bulgarian interface acts out the
custom: pick one of 29 objects and it answers with the profession.")
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS fonts-liberation2)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, qt6-wayland")
execute_process(COMMAND dpkg --print-architecture OUTPUT_VARIABLE CPACK_DEBIAN_PACKAGE_ARCHITECTURE
    OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
set(CPACK_DEBIAN_FILE_NAME ${CPACK_PACKAGE_NAME}_${PROJECT_VERSION}_${CPACK_DEBIAN_PACKAGE_ARCHITECTURE}.deb)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# The program's files, and the package's documents that a plain install leaves out.
set(CPACK_INSTALL_CMAKE_PROJECTS
    "${PROJECT_BINARY_DIR};${PROJECT_NAME};Unspecified;/" "${PROJECT_BINARY_DIR};${PROJECT_NAME};debian;/")
zolinar_pack(DEB ${CPACK_DEBIAN_FILE_NAME})
