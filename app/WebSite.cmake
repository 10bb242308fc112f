# The web page's release: a zip of a static site (the page, the program's
# JavaScript and WebAssembly, the icon as favicon, the licenses) and the
# source it is built from. The page's own texts come from the content: a
# tool of the build writes them as a script, texts.js, that the page loads.
add_executable(zolinar_page_texts WebPageTexts.cpp)
target_link_libraries(zolinar_page_texts PRIVATE zolinar_content zolinar_warnings)
set(pageTexts ${CMAKE_CURRENT_BINARY_DIR}/texts.js)
add_custom_command(OUTPUT ${pageTexts}
    COMMAND ${CMAKE_CROSSCOMPILING_EMULATOR} $<TARGET_FILE:zolinar_page_texts> > ${pageTexts}
    DEPENDS zolinar_page_texts)
add_custom_target(zolinar_page_texts_script ALL DEPENDS ${pageTexts})
configure_file(resources/web/README.txt README.txt @ONLY)
install(FILES resources/web/index.html ${CMAKE_CURRENT_BINARY_DIR}/README.txt ${pageTexts}
    $<TARGET_FILE_DIR:IT_Zolinar>/IT_Zolinar.js $<TARGET_FILE_DIR:IT_Zolinar>/IT_Zolinar.wasm DESTINATION .)
install(FILES ${ZOLINAR_ICO} DESTINATION . RENAME favicon.ico)
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION . RENAME LICENSE.txt)
install(FILES /usr/share/doc/fonts-liberation2/copyright DESTINATION licenses RENAME LiberationSerif-OFL-1.1.txt)
zolinar_install_qt_licenses(ZOLINAR_WEB_QT web-qt.sh)

set(CPACK_PACKAGE_FILE_NAME ${PROJECT_NAME}-${PROJECT_VERSION}-web)
zolinar_source_archive()
zolinar_pack(ZIP ${CPACK_PACKAGE_FILE_NAME}.zip ${ZOLINAR_SOURCE_ARCHIVE})
