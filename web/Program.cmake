# What the page adds to each build of the program (app/ includes this file):
# the page's adapter (the window placed, mirrored for screen readers, the
# end told to the page), the font a browser does not lend, and exceptions.
add_library(zolinar_web STATIC
    ${CMAKE_CURRENT_LIST_DIR}/WebAccessibility.cpp ${CMAKE_CURRENT_LIST_DIR}/WebAccessibility.h
    ${CMAKE_CURRENT_LIST_DIR}/WebPage.cpp ${CMAKE_CURRENT_LIST_DIR}/WebPage.h)
target_include_directories(zolinar_web PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(zolinar_web PUBLIC Qt6::Widgets PRIVATE zolinar_warnings)
target_link_libraries(zolinar_app PUBLIC zolinar_web)

function(zolinar_platform_program target)
    zolinar_qt_translations(${target})
    # The metric twin of Times New Roman, with Cyrillic (":/fonts"; WebPage).
    set(fonts /usr/share/fonts/truetype/liberation2)
    find_file(ZOLINAR_WEB_FONT LiberationSerif-Regular.ttf PATHS ${fonts} NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH REQUIRED)
    qt_add_resources(${target} web_fonts PREFIX /fonts BASE ${fonts} FILES ${ZOLINAR_WEB_FONT})
    # Qt's link options switch exception catching off again, after the
    # project's own; emscripten takes the last word: the program's, last.
    target_link_libraries(${target} PRIVATE -sDISABLE_EXCEPTION_CATCHING=0)
    # The event loop returns to the browser by throwing through main, and
    # keeps using what main's frames hold, which nothing may clean up.
    set_source_files_properties(main.cpp PROPERTIES COMPILE_OPTIONS -fignore-exceptions)
endfunction()
