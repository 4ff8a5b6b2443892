# What QUV.exe's resource script takes from the build: the icon, the manifest and the version
# information's values, made in the generated folder at configure time, where the script finds
# them beside the version header. The build's own facts (the version, the architecture, the
# vendor, the licence's copyright line) come from their one home; none is written out twice.

# Windows writes versions as four numbers: 1.00 is 1.0.0.0.
set(QUV_VERSION_NUMBERS)
foreach(part MAJOR MINOR PATCH TWEAK)
    set(number "${PROJECT_VERSION_${part}}")
    if(number STREQUAL "")
        set(number 0)
    endif()
    math(EXPR number "${number}")
    list(APPEND QUV_VERSION_NUMBERS ${number})
endforeach()
list(JOIN QUV_VERSION_NUMBERS "." QUV_VERSION_QUAD)
list(JOIN QUV_VERSION_NUMBERS "," QUV_VERSION_COMMAS)

# The manifest names the architecture the compiler builds for, as Windows spells it.
string(TOLOWER "${CMAKE_SYSTEM_PROCESSOR}" processor)
if(processor MATCHES "^(x86_64|amd64)$")
    set(QUV_MANIFEST_ARCH amd64)
elseif(processor MATCHES "^(i.86|x86)$")
    set(QUV_MANIFEST_ARCH x86)
elseif(processor MATCHES "^(aarch64|arm64)$")
    set(QUV_MANIFEST_ARCH arm64)
else()
    message(FATAL_ERROR "no manifest architecture for the processor ${CMAKE_SYSTEM_PROCESSOR}")
endif()
configure_file(${PROJECT_SOURCE_DIR}/resources/quv.manifest.in ${QUV_GENERATED_DIR}/quv.manifest
               @ONLY)

file(STRINGS ${PROJECT_SOURCE_DIR}/LICENSE QUV_COPYRIGHT REGEX "^Copyright " LIMIT_COUNT 1)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/LICENSE)
if(NOT QUV_COPYRIGHT)
    message(FATAL_ERROR "LICENSE has no Copyright line")
endif()
configure_file(${PROJECT_SOURCE_DIR}/cmake/quv_resources.h.in ${QUV_GENERATED_DIR}/quv_resources.h
               @ONLY)

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
set(QUV_RESOURCE_FILES ${QUV_GENERATED_DIR}/quv.ico ${QUV_GENERATED_DIR}/quv.manifest
                       ${QUV_GENERATED_DIR}/quv_resources.h)
