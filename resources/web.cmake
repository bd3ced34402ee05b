# The page's icon, made from the one source picture.
include(icon.cmake)
trovanel_convert_icon(png ${PROJECT_BINARY_DIR}/dist/trovanel.png)
add_custom_target(trovanel_favicon ALL
                  DEPENDS ${PROJECT_BINARY_DIR}/dist/trovanel.png)
