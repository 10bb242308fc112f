# The Windows program's resource script: its icon, version record and
# application manifest, configured into folder for the Windows program, or
# for a test that reads them back on another system. Sets the variable
# named rcVariable to the script's path.
function(zolinar_windows_resources folder icon rcVariable)
    set(ZOLINAR_ICO ${icon})
    set(ZOLINAR_MANIFEST ${folder}/IT_Zolinar.manifest)
    configure_file(${CMAKE_CURRENT_FUNCTION_LIST_DIR}/IT_Zolinar.manifest ${ZOLINAR_MANIFEST} @ONLY)
    configure_file(${CMAKE_CURRENT_FUNCTION_LIST_DIR}/IT_Zolinar.rc.in ${folder}/IT_Zolinar.rc @ONLY)
    set_source_files_properties(${folder}/IT_Zolinar.rc PROPERTIES OBJECT_DEPENDS "${icon};${ZOLINAR_MANIFEST}")
    set(${rcVariable} ${folder}/IT_Zolinar.rc PARENT_SCOPE)
endfunction()
