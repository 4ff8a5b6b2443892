# Install and package QUV.exe for Windows players: a portable zip and an installer.
install(TARGETS quv RUNTIME DESTINATION .)
install(FILES LICENSE DESTINATION . RENAME LICENSE.txt)
install(FILES data/README-windows.txt DESTINATION . RENAME README.txt)

set(CPACK_GENERATOR "ZIP;NSIS")
set(CPACK_PACKAGE_FILE_NAME quv-${PROJECT_VERSION}-windows-x64)
set(CPACK_PACKAGE_INSTALL_DIRECTORY QUV)
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY QUV)

# The installer installs for every user of the machine, under Program Files, as Windows games do:
# a Start-menu shortcut, an entry under Apps to uninstall it, and nothing left after that.
set(CPACK_NSIS_PACKAGE_NAME QUV)
set(CPACK_NSIS_DISPLAY_NAME QUV)
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
set(CPACK_NSIS_MUI_ICON ${QUV_GENERATED_DIR}/quv.ico)
set(CPACK_NSIS_MUI_UNIICON ${QUV_GENERATED_DIR}/quv.ico)
set(CPACK_NSIS_INSTALLED_ICON_NAME QUV.exe)
set(CPACK_PACKAGE_EXECUTABLES "QUV;QUV")
set(CPACK_NSIS_EXECUTABLES_DIRECTORY .)
set(CPACK_NSIS_MODIFY_PATH OFF)
set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
set(CPACK_NSIS_UNINSTALL_NAME Uninstall)
set(CPACK_NSIS_MANIFEST_DPI_AWARE ON)
set(CPACK_NSIS_COMPRESSOR lzma)
# A 64-bit installer for a 64-bit game: it finds the right Program Files and registry view, and
# needs no 32-bit layer where Windows leaves that out.
set(CPACK_NSIS_DEFINES "Target amd64-unicode")
# The zip opens as one folder; the installer has its own folder.
set(CPACK_PROJECT_CONFIG_FILE ${PROJECT_SOURCE_DIR}/cmake/cpack_options_windows.cmake)
# The uninstaller removes the game's own key (it holds only the folder installed to) and then the
# vendor's key above it, which CPack's uninstaller would leave behind empty.
set(CPACK_NSIS_EXTRA_UNINSTALL_COMMANDS
    "DeleteRegKey SHCTX 'Software\\\\${CPACK_PACKAGE_VENDOR}\\\\QUV'
DeleteRegKey /ifempty SHCTX 'Software\\\\${CPACK_PACKAGE_VENDOR}'")
