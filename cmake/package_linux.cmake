# Install and package the Linux game: the desktop's files and a Debian package.
include(GNUInstallDirs)
install(TARGETS quv RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES data/${QUV_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES data/${QUV_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(size 32 48 64 128)
    install(FILES resources/quv-${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME ${QUV_APP_ID}.png)
endforeach()

# The manual page and the changelog are installed compressed, as Debian keeps them;
# -n leaves out the time stamp, so the same sources give the same bytes.
find_program(GZIP gzip REQUIRED)
foreach(file quv.6 changelog)
    add_custom_command(OUTPUT ${file}.gz
        COMMAND ${GZIP} -9 -n -c ${PROJECT_SOURCE_DIR}/data/${file} > ${file}.gz
        DEPENDS data/${file}
        COMMENT "Compressing ${file}")
endforeach()
add_custom_target(compressed_docs ALL DEPENDS
    ${PROJECT_BINARY_DIR}/quv.6.gz ${PROJECT_BINARY_DIR}/changelog.gz)
install(FILES ${PROJECT_BINARY_DIR}/quv.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
# Named after the package, not the project: share/doc/quv.
set(QUV_DOCDIR ${CMAKE_INSTALL_DATAROOTDIR}/doc/quv)
    install(FILES ${PROJECT_BINARY_DIR}/changelog.gz data/copyright
            DESTINATION ${QUV_DOCDIR})

set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "puzzle game: find six suspects in a building of 25 rooms")
set(CPACK_PACKAGE_DESCRIPTION
    "QUV is a small puzzle game for one player, with all its texts in Japanese.
You are an agent sent to a building of five floors with five rooms on each
floor. Six suspects pass through it, one after another, and you may visit at
most five rooms for each of them. A wrong room tells you whether the suspect
is on that floor, further up or further down; the right room catches the
suspect and pays a reward that shrinks with every visit spent.
.
The game plays with the mouse or with the keyboard alone, and a screen reader
can read and play it.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "The QUV developers <quv@example.org>")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The texts are Japanese: without a CJK font they would show as empty boxes.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-noto-cjk | fonts-ipafont-gothic | fonts-vlgothic")
# On a Wayland desktop the game runs natively with Qt's Wayland plugin (its boxes, the disabled
# main window and the dialog behave as on X11); without it, it runs through XWayland.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")
# Debian keeps games in /usr/games; the package moves the executable there.
list(PREPEND CPACK_PRE_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/cmake/move_to_games.cmake)

# Checks that CPack has the tools the Debian package needs, and says which are missing.
set(CPACK_PROJECT_CONFIG_FILE ${PROJECT_SOURCE_DIR}/cmake/cpack_options_linux.cmake)
