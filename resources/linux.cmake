# The desktop files of the Linux program. The icon's PNG is made from its one
# source picture by tools/icon_convert.py.
include(GNUInstallDirs)
find_package(Python3 REQUIRED COMPONENTS Interpreter)

set(TROVANEL_APP_ID example.trovanel.Trovanel)
set(TROVANEL_ICON_PNG ${CMAKE_CURRENT_BINARY_DIR}/${TROVANEL_APP_ID}.png)
add_custom_command(
  OUTPUT ${TROVANEL_ICON_PNG}
  COMMAND Python3::Interpreter ${PROJECT_SOURCE_DIR}/tools/icon_convert.py
          --png ${TROVANEL_ICON_PNG} ${CMAKE_CURRENT_SOURCE_DIR}/trovanel.xpm
  DEPENDS ${PROJECT_SOURCE_DIR}/tools/icon_convert.py
          ${CMAKE_CURRENT_SOURCE_DIR}/trovanel.xpm
  COMMENT "Making the icon's PNG from trovanel.xpm")
add_custom_target(trovanel_icon_png ALL DEPENDS ${TROVANEL_ICON_PNG})

install(FILES ${TROVANEL_ICON_PNG}
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/32x32/apps)
install(FILES ${TROVANEL_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${TROVANEL_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
