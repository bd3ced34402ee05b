# The page's icon, made from the one source picture.
include(icon.cmake)
trovanel_convert_icon(png ${TROVANEL_DIST}/${TROVANEL_PAGE_ICON})
add_custom_target(trovanel_favicon ALL
                  DEPENDS ${TROVANEL_DIST}/${TROVANEL_PAGE_ICON})
