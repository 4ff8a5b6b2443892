# Install and package QUV.exe for Windows players: a portable zip and an installer.
install(TARGETS quv RUNTIME DESTINATION .)
install(FILES LICENSE DESTINATION . RENAME LICENSE.txt)
install(FILES data/README-windows.txt DESTINATION . RENAME README.txt)

set(CPACK_GENERATOR "ZIP;NSIS")
set(CPACK_PACKAGE_FILE_NAME quv-${PROJECT_VERSION}-windows-x64)
set(CPACK_PACKAGE_INSTALL_DIRECTORY QUV)
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY QUV)

# The installer comes from the project's own template (cmake/NSIS.template.in): for the user who
# runs it by default, with no administrator, or for all users under Program Files. It adds a
# Start-menu shortcut and an entry under Apps to uninstall it, and leaves nothing after that.
list(APPEND CMAKE_MODULE_PATH ${PROJECT_SOURCE_DIR}/cmake)
set(CPACK_NSIS_PACKAGE_NAME QUV)
set(CPACK_NSIS_MUI_ICON ${QUV_GENERATED_DIR}/quv.ico)
set(CPACK_NSIS_MUI_UNIICON ${QUV_GENERATED_DIR}/quv.ico)
set(CPACK_NSIS_INSTALLED_ICON_NAME QUV.exe)
set(CPACK_NSIS_UNINSTALL_NAME Uninstall)
set(CPACK_NSIS_COMPRESSOR lzma)
# A 64-bit installer for a 64-bit game: it finds the right Program Files and registry view, and
# needs no 32-bit layer where Windows leaves that out.
set(CPACK_NSIS_DEFINES "Target amd64-unicode")
# The zip opens as one folder; the installer has its own folder.
set(CPACK_PROJECT_CONFIG_FILE ${PROJECT_SOURCE_DIR}/cmake/cpack_options_windows.cmake)
