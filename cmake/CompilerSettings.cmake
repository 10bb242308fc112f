# How every target is compiled and linked, by platform and option, and the
# strict warnings of the project's own targets (zolinar_warnings).
if(ZOLINAR_DEBIAN_BUILD_FLAGS)
    # As dpkg-buildpackage would set them for this source folder: hardening,
    # optimisation, and the source folder mapped to ".".
    foreach(kind CPPFLAGS CXXFLAGS LDFLAGS)
        execute_process(COMMAND dpkg-buildflags --get ${kind} WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
            OUTPUT_VARIABLE ${kind} OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
    endforeach()
    string(APPEND CMAKE_CXX_FLAGS " ${CPPFLAGS} ${CXXFLAGS}")
    string(APPEND CMAKE_EXE_LINKER_FLAGS " ${LDFLAGS}")
endif()

if(WIN32 AND NOT MSVC)
    # The Windows program carries Qt inside it: every function and datum
    # that nothing calls, the program's and Qt's, is left out of it.
    add_compile_options(-ffunction-sections -fdata-sections)
    add_link_options($<$<CONFIG:Release>:-Wl,--gc-sections>)
endif()

if(EMSCRIPTEN)
    # A failed control operation is an exception that the event guard
    # catches; emscripten leaves catching out unless asked. Qt's own code is
    # built without it, and no exception ever crosses its frames.
    add_compile_options(-fexceptions)
    add_link_options(-fexceptions "SHELL:-s DISABLE_EXCEPTION_CATCHING=0")
endif()

if(ZOLINAR_SANITIZE)
    # Every target, so that no uninstrumented code hides a fault; any finding fails.
    add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
    add_link_options(-fsanitize=address,undefined)
endif()

add_library(zolinar_warnings INTERFACE)
if(MSVC)
    target_compile_options(zolinar_warnings INTERFACE /W4 /permissive- /utf-8
        $<$<BOOL:${ZOLINAR_WARNINGS_AS_ERRORS}>:/WX>)
else()
    target_compile_options(zolinar_warnings INTERFACE
        -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wsign-conversion
        -Wnon-virtual-dtor -Wold-style-cast -Woverloaded-virtual -Wnull-dereference
        $<$<BOOL:${ZOLINAR_WARNINGS_AS_ERRORS}>:-Werror>)
endif()
