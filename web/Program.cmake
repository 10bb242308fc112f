# What the page adds to the program (app/ includes this file and calls
# zolinar_platform_program for each build of it): the page's adapter, which
# places the window, mirrors it for screen readers and tells the page of
# the end; the window's font, which a browser does not lend; and a runtime
# that catches the exceptions a failed control operation throws.
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
    # project's own; emscripten takes the last word, so the program's goes
    # last, with the libraries.
    target_link_libraries(${target} PRIVATE -sDISABLE_EXCEPTION_CATCHING=0)
    # The event loop returns to the browser by throwing through main, and
    # keeps using what main's frames hold: main gets no frame that would
    # clean them up on the way.
    set_source_files_properties(main.cpp PROPERTIES COMPILE_OPTIONS -fignore-exceptions)
endfunction()
