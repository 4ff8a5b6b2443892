# Runs in CPack's staging tree before the Debian package is made: Debian keeps games in
# /usr/games, while a plain install keeps the usual bin/.
file(GLOB staged LIST_DIRECTORIES true "${CPACK_TEMPORARY_DIRECTORY}/*/usr/bin"
     "${CPACK_TEMPORARY_DIRECTORY}/usr/bin")
foreach(bin IN LISTS staged)
    get_filename_component(usr "${bin}" DIRECTORY)
    file(MAKE_DIRECTORY "${usr}/games")
    file(RENAME "${bin}/quv" "${usr}/games/quv")
    file(REMOVE_RECURSE "${bin}")
endforeach()
if(NOT staged)
    message(FATAL_ERROR "no usr/bin in the staging tree ${CPACK_TEMPORARY_DIRECTORY}")
endif()
