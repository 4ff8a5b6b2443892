# Runs in CPack's staging tree before the Debian package is made: Debian keeps games in
# /usr/games, while a plain install keeps the usual bin/. The desktop file then names the game
# by its full path, since /usr/games is not on every session's PATH (root's, for one).
file(GLOB staged LIST_DIRECTORIES true "${CPACK_TEMPORARY_DIRECTORY}/*/usr/bin"
     "${CPACK_TEMPORARY_DIRECTORY}/usr/bin")
if(NOT staged)
    message(FATAL_ERROR "no usr/bin in the staging tree ${CPACK_TEMPORARY_DIRECTORY}")
endif()
foreach(bin IN LISTS staged)
    get_filename_component(usr "${bin}" DIRECTORY)
    file(MAKE_DIRECTORY "${usr}/games")
    file(RENAME "${bin}/quv" "${usr}/games/quv")
    file(REMOVE_RECURSE "${bin}")

    file(GLOB desktop "${usr}/share/applications/*.desktop")
    foreach(entry IN LISTS desktop)
        file(READ "${entry}" text)
        string(REGEX REPLACE "\nExec=quv\n" "\nExec=/usr/games/quv\n" text "${text}")
        file(WRITE "${entry}" "${text}")
    endforeach()
endforeach()
