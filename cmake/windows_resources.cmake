# What QUV.exe's resource script takes from the build, made in the generated folder at configure
# time, where the script finds it beside the version header.

# The icon: 16, 24 and 48 pixels in full colour with alpha and 256 as PNG, as Windows keeps large
# icons, for the taskbar, Alt+Tab, Explorer and Start at every DPI; and the window's own 32 × 32
# in 16 colours, the one image of that size.
find_program(ICOTOOL icotool)
if(NOT ICOTOOL)
    message(FATAL_ERROR "QUV.exe's icon needs icotool, from Debian's icoutils: "
                        "bash scripts/install-deps.sh test")
endif()
set(icon_images quv-16.png quv-24.png quv-32.png quv-48.png quv-256.png)
execute_process(
    COMMAND ${ICOTOOL} --create --output=${QUV_GENERATED_DIR}/quv.ico.new
            --bit-depth=32 quv-16.png quv-24.png --bit-depth=4 quv-32.png
            --bit-depth=32 quv-48.png --raw=quv-256.png
    WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}/resources
    RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "icotool could not make quv.ico")
endif()
# Rewritten only when it changed, so that a new configure does not rebuild the resources.
file(COPY_FILE ${QUV_GENERATED_DIR}/quv.ico.new ${QUV_GENERATED_DIR}/quv.ico ONLY_IF_DIFFERENT)
file(REMOVE ${QUV_GENERATED_DIR}/quv.ico.new)
list(TRANSFORM icon_images PREPEND ${PROJECT_SOURCE_DIR}/resources/)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${icon_images})

# What the resources are made of, for the programs that link them.
set(QUV_RESOURCE_FILES ${QUV_GENERATED_DIR}/quv.ico ${PROJECT_SOURCE_DIR}/resources/quv.manifest)
