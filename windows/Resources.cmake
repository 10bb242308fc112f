# The resource script (icon, version record, manifest), configured into
# folder for the program or a test on any system; its path into rcVariable.
function(zolinar_windows_resources folder ZOLINAR_ICO rcVariable)
    set(ZOLINAR_MANIFEST ${folder}/IT_Zolinar.manifest)
    configure_file(${CMAKE_CURRENT_FUNCTION_LIST_DIR}/IT_Zolinar.manifest ${ZOLINAR_MANIFEST} @ONLY)
    configure_file(${CMAKE_CURRENT_FUNCTION_LIST_DIR}/IT_Zolinar.rc.in ${folder}/IT_Zolinar.rc @ONLY)
    set_source_files_properties(${folder}/IT_Zolinar.rc PROPERTIES OBJECT_DEPENDS "${ZOLINAR_ICO};${ZOLINAR_MANIFEST}")
    set(${rcVariable} ${folder}/IT_Zolinar.rc PARENT_SCOPE)
endfunction()
