# Read by CPack for every package, before it installs into its staging tree: every date the
# package carries is the last commit's. SOURCE_DATE_EPOCH, as Debian's reproducible builds set
# it, when the caller gives it; otherwise the commit's own time, from git. CPack's archives take
# their entries' times from it, and strip the time stamp it writes into a Windows program.
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
    find_program(QUV_GIT git)
    if(QUV_GIT)
        execute_process(COMMAND ${QUV_GIT} -C "${CPACK_QUV_SOURCE_DIR}" log -1 --format=%ct
                        OUTPUT_VARIABLE epoch OUTPUT_STRIP_TRAILING_WHITESPACE
                        RESULT_VARIABLE status ERROR_QUIET)
        if(status EQUAL 0 AND epoch MATCHES "^[0-9]+$")
            set(ENV{SOURCE_DATE_EPOCH} ${epoch})
        endif()
    endif()
endif()
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
    message(WARNING "Neither SOURCE_DATE_EPOCH nor git gives the commit's date: the packages "
                    "carry today's, and two builds differ.")
endif()
