# The page: build/dist holds index.html (generated from the layout table by
# the host program trovanel_page), the module's trovanel.js and
# trovanel.wasm, and the icon.
set(TROVANEL_PAGE_TOOL "" CACHE FILEPATH
    "trovanel_page built for the build host (make web builds it)")
if(NOT TROVANEL_PAGE_TOOL)
  message(FATAL_ERROR "set TROVANEL_PAGE_TOOL to the host's trovanel_page")
endif()
set(TROVANEL_DIST ${PROJECT_BINARY_DIR}/dist)

add_executable(trovanel main_web.cc)
target_link_libraries(trovanel PRIVATE trovanel_window forms_web)
set_target_properties(trovanel PROPERTIES SUFFIX .js
                      RUNTIME_OUTPUT_DIRECTORY ${TROVANEL_DIST})
target_link_options(trovanel PRIVATE
  -sENVIRONMENT=web -sFILESYSTEM=0 -sMALLOC=emmalloc
  -sINITIAL_MEMORY=1MB -sTOTAL_STACK=64KB -sALLOW_MEMORY_GROWTH=1)

add_custom_command(
  OUTPUT ${TROVANEL_DIST}/index.html
  COMMAND ${TROVANEL_PAGE_TOOL} ${TROVANEL_DIST}/index.html trovanel.js
          trovanel.wasm trovanel.png
  DEPENDS ${TROVANEL_PAGE_TOOL}
  COMMENT "Writing the page's markup from the layout table")
add_custom_target(trovanel_page_markup ALL
                  DEPENDS ${TROVANEL_DIST}/index.html)
