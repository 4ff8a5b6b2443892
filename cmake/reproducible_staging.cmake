# Runs in CPack's staging tree before every package is made, so that two builds of one commit,
# at other times, in other folders, under another umask, stage the same tree: every file and
# folder dated at the commit (cmake/source_date_epoch.cmake), read for all and written by the
# owner alone. The installer keeps each file's time, and unpacks its files in the order named.
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
    return()
endif()
set(tree "${CPACK_TEMPORARY_DIRECTORY}")
execute_process(COMMAND chmod -R u=rwX,go=rX "${tree}" COMMAND_ERROR_IS_FATAL ANY)
# Sorted by name, whatever order the file system lists them in.
file(GLOB_RECURSE staged LIST_DIRECTORIES true RELATIVE "${tree}" "${tree}/*")
list(SORT staged)
list(TRANSFORM staged PREPEND "${tree}/" OUTPUT_VARIABLE dated)
execute_process(COMMAND touch -h -d @$ENV{SOURCE_DATE_EPOCH} "${tree}" ${dated}
                COMMAND_ERROR_IS_FATAL ANY)

if(CPACK_GENERATOR STREQUAL "NSIS")
    # In place of CPack's File /r and its lists to delete, in the file system's order: each file
    # and folder named, in the order of their names (folders deleted deepest first).
    set(install "")
    set(delete_files "")
    set(delete_folders "")
    set(current "")
    foreach(path IN LISTS staged)
        string(REPLACE "/" "\\" windows "${path}")
        if(IS_DIRECTORY "${tree}/${path}")
            string(PREPEND delete_folders "  RMDir \"$INSTDIR\\${windows}\"\n")
            continue()
        endif()
        get_filename_component(folder "${windows}" DIRECTORY)
        if(NOT folder STREQUAL current)
            set(current "${folder}")
            string(APPEND install "  SetOutPath \"$INSTDIR\\${folder}\"\n")
        endif()
        string(APPEND install "  File \"${tree}/${path}\"\n")
        string(APPEND delete_files "  Delete \"$INSTDIR\\${windows}\"\n")
    endforeach()
    if(NOT current STREQUAL "")
        string(APPEND install "  SetOutPath \"$INSTDIR\"\n")
    endif()
    string(STRIP "${install}" install)
    string(STRIP "${delete_files}" delete_files)
    set(CPACK_NSIS_FULL_INSTALL "${install}")
    set(CPACK_NSIS_DELETE_FILES "${delete_files}")
    set(CPACK_NSIS_DELETE_DIRECTORIES "${delete_folders}")
endif()
