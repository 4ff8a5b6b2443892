# Every date a package carries is the last commit's.
include(${CPACK_QUV_SOURCE_DIR}/cmake/source_date_epoch.cmake)

# Per package, when CPack runs. The Debian package takes its library dependencies from
# dpkg-shlibdeps, and CPack needs `file` to pick the programs to give it: without the one CPack
# stops half-way, without the other it makes a package that depends on no library at all.
if(CPACK_GENERATOR STREQUAL "DEB")
    find_program(QUV_FILE_PROGRAM file)
    find_program(QUV_SHLIBDEPS_PROGRAM dpkg-shlibdeps)
    if(NOT QUV_FILE_PROGRAM OR NOT QUV_SHLIBDEPS_PROGRAM)
        message(FATAL_ERROR "The Debian package needs the programs file and dpkg-shlibdeps, from "
                            "Debian's packages file and dpkg-dev. As root: "
                            "bash scripts/install-deps.sh package")
    endif()
endif()
