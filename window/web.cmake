# The page in ${TROVANEL_DIST}: index.html (written from the layout table by
# the host program trovanel_page), the module's trovanel.js and trovanel.wasm,
# and the icon (resources/web.cmake).
set(TROVANEL_PAGE_TOOL "" CACHE FILEPATH
    "trovanel_page built for the build host (make web builds it)")
if(NOT TROVANEL_PAGE_TOOL)
  message(FATAL_ERROR "set TROVANEL_PAGE_TOOL to the host's trovanel_page")
endif()

add_executable(trovanel main_web.cc)
target_link_libraries(trovanel PRIVATE trovanel_window forms_web)
target_compile_definitions(trovanel PRIVATE
                           TROVANEL_PAGE_ICON="${TROVANEL_PAGE_ICON}")
set_target_properties(trovanel PROPERTIES SUFFIX .js
                      RUNTIME_OUTPUT_DIRECTORY ${TROVANEL_DIST})
set(TROVANEL_PAGE_LINK_OPTIONS
  -sENVIRONMENT=web -sFILESYSTEM=0 -sMALLOC=emmalloc
  -sINITIAL_MEMORY=1MB -sTOTAL_STACK=64KB -sALLOW_MEMORY_GROWTH=1
  CACHE INTERNAL "How the page's modules are linked")
target_link_options(trovanel PRIVATE ${TROVANEL_PAGE_LINK_OPTIONS})

add_custom_command(
  OUTPUT ${TROVANEL_DIST}/index.html
  COMMAND ${TROVANEL_PAGE_TOOL} ${TROVANEL_DIST}/index.html trovanel.js
          trovanel.wasm ${TROVANEL_PAGE_ICON}
  DEPENDS ${TROVANEL_PAGE_TOOL}
  COMMENT "Writing the page's markup from the layout table")
add_custom_target(trovanel_page_markup ALL
                  DEPENDS ${TROVANEL_DIST}/index.html)
