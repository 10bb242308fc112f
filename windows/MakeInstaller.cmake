# Makes the Windows installer, the same bytes from the same files: run by
# the build (cmake -P) with BINARY_DIR, STAGE, ICON, WXS, MSI, UPGRADE_CODE,
# EPOCH, WIXL, FAKETIME and PYTHON.
#
# wixl packs the files that the build installs for the zip, dated with the
# sources' date (the cabinet keeps each file's time), and writes the
# installer's own times under faketime, frozen at that date. The package
# code, which Windows takes to name one installer file, is derived from the
# files it carries: the same for the same files, another for any change.
file(REMOVE_RECURSE ${STAGE})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BINARY_DIR} --prefix ${STAGE}
    OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
file(COPY ${ICON} DESTINATION ${STAGE})
file(GLOB_RECURSE files LIST_DIRECTORIES false RELATIVE ${STAGE} ${STAGE}/*)
list(SORT files)
set(contents "")
foreach(file IN LISTS files)
    file(SHA256 ${STAGE}/${file} hash)
    string(APPEND contents "${file} ${hash}\n")
endforeach()
string(UUID packageCode NAMESPACE ${UPGRADE_CODE} NAME "${contents}" TYPE SHA1 UPPER)

set(ENV{SOURCE_DATE_EPOCH} ${EPOCH})
string(TIMESTAMP date "%Y-%m-%d %H:%M:%S" UTC)
execute_process(COMMAND touch --no-dereference --date=@${EPOCH} ${files} WORKING_DIRECTORY ${STAGE}
    COMMAND_ERROR_IS_FATAL ANY)
set(ENV{TZ} UTC)
execute_process(COMMAND ${FAKETIME} -f "${date}" ${WIXL} --arch x64 --output ${MSI} ${WXS}
    WORKING_DIRECTORY ${STAGE} COMMAND_ERROR_IS_FATAL ANY)
# wixl draws the package code at random; it becomes the derived one.
execute_process(COMMAND ${PYTHON} ${CMAKE_CURRENT_LIST_DIR}/set_package_code.py ${MSI} {${packageCode}}
    COMMAND_ERROR_IS_FATAL ANY)
