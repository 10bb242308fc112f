# What the Windows program adds to the program (app/ includes this file and
# calls zolinar_platform_program for each build of it): the resource
# script, its own entry point, which keeps the DLL search to System32
# before anything loads a DLL, the system DLLs Qt links delay-loaded, and
# Qt's paths from the qt.conf inside the program, not from one beside it.
include(${CMAKE_CURRENT_LIST_DIR}/Resources.cmake)
include(${CMAKE_CURRENT_LIST_DIR}/DelayLoad.cmake)
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
