# The desktop files of the Linux program. The icon's PNG is made from its one
# source picture by tools/icon_convert.py.
include(GNUInstallDirs)
include(icon.cmake)

set(TROVANEL_APP_ID example.trovanel.Trovanel)
set(TROVANEL_ICON_PNG ${CMAKE_CURRENT_BINARY_DIR}/${TROVANEL_APP_ID}.png)
trovanel_convert_icon(png ${TROVANEL_ICON_PNG})
add_custom_target(trovanel_icon_png ALL DEPENDS ${TROVANEL_ICON_PNG})

install(FILES ${TROVANEL_ICON_PNG}
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/32x32/apps)
install(FILES ${TROVANEL_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${TROVANEL_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
# Exercise files (*.trovanel) open in the program from the file manager.
install(FILES ${TROVANEL_APP_ID}.mime.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
        RENAME ${TROVANEL_APP_ID}.xml)
