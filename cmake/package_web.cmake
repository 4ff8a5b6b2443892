# Package the game's web site: one zip of the static site (page, scripts, module, icons, manifest,
# service worker, licence), which any static web server serves as it is; there is no server code.
install(DIRECTORY ${QUV_SITE_DIR}/ DESTINATION .)

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_FILE_NAME quv-${PROJECT_VERSION}-web)
# The zip opens as one folder, the site's root.
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
# Every date the zip carries is the last commit's.
set(CPACK_PROJECT_CONFIG_FILE ${PROJECT_SOURCE_DIR}/cmake/source_date_epoch.cmake)
