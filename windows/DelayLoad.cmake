# Delay-loading for the Windows program. Windows looks for a DLL that is not
# one of its KnownDLLs in the program's own folder before System32, so a DLL
# planted beside the executable (in Downloads, say) would run inside it if
# the import table named it. Such system DLLs that Qt links are therefore
# delay-loaded: the loader maps them on their first call, after the
# program's entry point has kept the search to System32 (WindowsStartup.cpp).
# So are the DLLs that draw one in through their own imports under Wine (its user32 imports version.dll; the others import
# user32), and shcore, a KnownDLL on Windows 10 and 11 but not under Wine.
# What stays in the import table (kernel32, msvcrt, advapi32, ws2_32, one
# API set) is Wine's own core, which it never takes from beside a program.
#
# Each entry is an import library of MinGW-w64, as Qt's link interface names
# it (-l<name>). For each, a delay-import library with all of its functions
# is made under the same name, one part per DLL it covers, in a folder
# searched before the system's, so that -l<name> finds it instead.
# tests/windows/check_executable.py proves that the import table is left
# with KnownDLLs and API sets alone, and the installer's test that planted
# DLLs never run.
set(ZOLINAR_DELAY_LOADED_LIBRARIES
    # not KnownDLLs, on Windows or under Wine
    authz d3d9 d3d11 dwmapi dwrite dxgi netapi32 shcore userenv uxtheme version winmm wtsapi32
    # KnownDLLs and API sets that import user32 (which imports version.dll) under Wine
    comdlg32 gdi32 imm32 ole32 oleaut32 runtimeobject shell32 shlwapi user32)

set(ZOLINAR_DELAY_LOAD_DIR ${CMAKE_CURRENT_BINARY_DIR}/delay-load)
list(TRANSFORM ZOLINAR_DELAY_LOADED_LIBRARIES REPLACE "(.+)" "${ZOLINAR_DELAY_LOAD_DIR}/lib\\1.a"
    OUTPUT_VARIABLE ZOLINAR_DELAY_LOAD_FILES)

# Makes the delay-import libraries, once a configure, and removes those of
# libraries taken off the list, which then link as imported again.
function(zolinar_make_delay_load_libraries)
    set(folder ${ZOLINAR_DELAY_LOAD_DIR})
    string(REGEX REPLACE "nm$" "dlltool" dlltool ${CMAKE_NM})
    if(NOT EXISTS ${dlltool})
        message(FATAL_ERROR "No dlltool beside ${CMAKE_NM}")
    endif()
    file(REMOVE_RECURSE ${folder}/new)
    file(MAKE_DIRECTORY ${folder}/new)
    foreach(library IN LISTS ZOLINAR_DELAY_LOADED_LIBRARIES)
        find_library(importLibrary_${library} NAMES lib${library}.a NO_CACHE REQUIRED)
        execute_process(COMMAND ${CMAKE_NM} -A --defined-only ${importLibrary_${library}}
            OUTPUT_VARIABLE symbols COMMAND_ERROR_IS_FATAL ANY)
        # Each function is a text symbol (its thunk) in a member named after
        # its DLL: lib<dll>s00042.o.
        string(REGEX MATCHALL "[^:\n]+s[0-9]+\\.o:[0-9a-f]+ T [A-Za-z_][A-Za-z0-9_@]*" functions "${symbols}")
        set(script "CREATE lib${library}.a\n")
        set(dlls)
        foreach(function IN LISTS functions)
            string(REGEX REPLACE "^lib(.+)s[0-9]+\\.o:.* T (.+)$" "\\1;\\2" dllAndName ${function})
            list(GET dllAndName 0 dll)
            list(GET dllAndName 1 name)
            list(APPEND dlls ${dll})
            list(APPEND exports_${dll} ${name})
        endforeach()
        list(REMOVE_DUPLICATES dlls)
        foreach(dll IN LISTS dlls)
            list(SORT exports_${dll})
            string(JOIN "\n    " exports ${exports_${dll}})
            unset(exports_${dll})
            file(WRITE ${folder}/new/${dll}.def "LIBRARY ${dll}.dll\nEXPORTS\n    ${exports}\n")
            # Relative names: dlltool makes symbol names of them. It leaves
            # empty temporary files behind: in this folder, not in /tmp.
            execute_process(COMMAND ${CMAKE_COMMAND} -E env TMPDIR=${folder}/new ${dlltool} --input-def ${dll}.def
                --output-delaylib delay-${dll}.a --dllname ${dll}.dll
                WORKING_DIRECTORY ${folder}/new COMMAND_ERROR_IS_FATAL ANY)
            string(APPEND script "ADDLIB delay-${dll}.a\n")
        endforeach()
        string(APPEND script "SAVE\nEND\n")
        file(WRITE ${folder}/new/lib${library}.mri "${script}")
        execute_process(COMMAND ${CMAKE_AR} -M INPUT_FILE ${folder}/new/lib${library}.mri
            WORKING_DIRECTORY ${folder}/new COMMAND_ERROR_IS_FATAL ANY)
        # A new configure relinks nothing unless a library really changed.
        file(COPY_FILE ${folder}/new/lib${library}.a ${folder}/lib${library}.a ONLY_IF_DIFFERENT)
    endforeach()
    file(GLOB made ${folder}/lib*.a)
    list(REMOVE_ITEM made ${ZOLINAR_DELAY_LOAD_FILES})
    if(made)
        file(REMOVE ${made})
    endif()
endfunction()

function(zolinar_delay_load target)
    if(MSVC)
        # Microsoft's linker has the switch, by DLL; its helper is delayimp.lib.
        set(dlls ${ZOLINAR_DELAY_LOADED_LIBRARIES})
        list(TRANSFORM dlls REPLACE "^runtimeobject$" "api-ms-win-core-winrt-l1-1-0;api-ms-win-core-winrt-string-l1-1-0")
        list(TRANSFORM dlls REPLACE "(.+)" "/DELAYLOAD:\\1.dll" OUTPUT_VARIABLE options)
        target_link_options(${target} PRIVATE ${options})
        target_link_libraries(${target} PRIVATE delayimp)
    else()
        # Found through the search path, so named for the build to relink on.
        set_property(TARGET ${target} APPEND PROPERTY LINK_DEPENDS ${ZOLINAR_DELAY_LOAD_FILES})
        target_link_directories(${target} BEFORE PRIVATE ${ZOLINAR_DELAY_LOAD_DIR})
    endif()
endfunction()
