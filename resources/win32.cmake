# The Windows program's resources: the icon made from the one source picture,
# the version record and the manifest (DPI awareness, supported systems).
enable_language(RC)
include(icon.cmake)

set(TROVANEL_ICO ${CMAKE_CURRENT_BINARY_DIR}/trovanel.ico)
set(TROVANEL_MANIFEST ${CMAKE_CURRENT_SOURCE_DIR}/trovanel.manifest)

trovanel_convert_icon(ico ${TROVANEL_ICO})

configure_file(trovanel.rc.in ${CMAKE_CURRENT_BINARY_DIR}/trovanel.rc @ONLY)

# An object library, so the program and the test programs carry the same
# resources.
add_library(trovanel_resources OBJECT ${CMAKE_CURRENT_BINARY_DIR}/trovanel.rc
            ${TROVANEL_ICO})
target_include_directories(trovanel_resources PRIVATE ${PROJECT_SOURCE_DIR})
set_source_files_properties(${CMAKE_CURRENT_BINARY_DIR}/trovanel.rc PROPERTIES
  OBJECT_DEPENDS "${TROVANEL_ICO};${TROVANEL_MANIFEST}")
