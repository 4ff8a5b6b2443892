# Runs after CPack has made each package. CPack's zip lists the files in the file system's order,
# dates them in the local time zone and names their owner's user and group, so it is made again
# from the staging tree (dated and sorted by cmake/reproducible_staging.cmake): the same entries
# in the order of their names, in UTC, with no owner. The Debian package and the installer keep
# CPack's.
foreach(package IN LISTS CPACK_PACKAGE_FILES)
    if(NOT package MATCHES "\\.zip$")
        continue()
    endif()
    find_program(QUV_ZIP zip)
    if(NOT QUV_ZIP)
        message(FATAL_ERROR "The zip needs the program zip, from Debian's zip. As root: "
                            "bash scripts/install-deps.sh release")
    endif()
    # The zip opens as one folder, the staging tree's own, or as the files themselves.
    set(root "${CPACK_TEMPORARY_DIRECTORY}")
    if(CPACK_INCLUDE_TOPLEVEL_DIRECTORY)
        get_filename_component(root "${root}" DIRECTORY)
    endif()
    file(GLOB_RECURSE entries RELATIVE "${root}" "${CPACK_TEMPORARY_DIRECTORY}/*")
    list(SORT entries)
    list(JOIN entries "\n" names)
    file(WRITE "${package}.names" "${names}\n")
    file(REMOVE "${package}")
    # -X: no owner and no extra times; -D: no entries for folders, as CPack's zip has none.
    execute_process(COMMAND ${CMAKE_COMMAND} -E env TZ=UTC ${QUV_ZIP} -X -D -q -9 "${package}" -@
                    INPUT_FILE "${package}.names" WORKING_DIRECTORY "${root}"
                    COMMAND_ERROR_IS_FATAL ANY)
    file(REMOVE "${package}.names")
endforeach()
