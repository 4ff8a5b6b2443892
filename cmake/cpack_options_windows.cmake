# Every date a package carries is the last commit's.
include(${CPACK_QUV_SOURCE_DIR}/cmake/source_date_epoch.cmake)

# Per package: the zip opens as one folder, not as files strewn into the folder it is unpacked in.
if(CPACK_GENERATOR STREQUAL "ZIP")
    set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
else()
    set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
endif()
