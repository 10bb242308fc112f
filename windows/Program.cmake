# What Windows adds to each build of the program (app/ includes this file):
# the resource script, the entry point that keeps the DLL search to System32,
# delay-loading, and Qt's paths from a qt.conf inside the program.
include(${CMAKE_CURRENT_LIST_DIR}/Resources.cmake)
include(${CMAKE_CURRENT_LIST_DIR}/DelayLoad.cmake)
if(NOT MSVC)
    zolinar_make_delay_load_libraries()
endif()
zolinar_windows_resources(${CMAKE_CURRENT_BINARY_DIR} ${ZOLINAR_ICO} ZOLINAR_RC)

function(zolinar_platform_program target)
    set(here ${CMAKE_CURRENT_FUNCTION_LIST_DIR})
    target_sources(${target} PRIVATE ${ZOLINAR_RC} ${here}/WindowsStartup.cpp)
    add_dependencies(${target} zolinar_icon)
    zolinar_delay_load(${target})
    if(MSVC)
        target_link_options(${target} PRIVATE /ENTRY:zolinarStartup)
    else()
        target_link_options(${target} PRIVATE -Wl,--entry=zolinarStartup)
    endif()
    qt_add_resources(${target} qt_paths PREFIX /qt/etc BASE ${here} FILES ${here}/qt.conf)
    zolinar_qt_translations(${target})
endfunction()
