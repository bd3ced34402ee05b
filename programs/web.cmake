# The page in ${TROVANEL_DIST}: index.html (written from the layout table by
# the host program built_in_page_writer), the module's trovanel.js and trovanel.wasm,
# and the icon (resources/web.cmake).
set(TROVANEL_BUILT_IN_PAGE_WRITER "" CACHE FILEPATH
    "built_in_page_writer built for the build host (make web builds it)")
if(NOT TROVANEL_BUILT_IN_PAGE_WRITER)
  message(FATAL_ERROR
          "set TROVANEL_BUILT_IN_PAGE_WRITER to the host's built_in_page_writer")
endif()

add_executable(trovanel main_web.cc)
target_link_libraries(trovanel PRIVATE trovanel_app forms_web)
set_target_properties(trovanel PROPERTIES SUFFIX .js
                      RUNTIME_OUTPUT_DIRECTORY ${TROVANEL_DIST})
set(TROVANEL_PAGE_LINK_OPTIONS
  -sENVIRONMENT=web -sFILESYSTEM=0 -sMALLOC=emmalloc
  -sINITIAL_MEMORY=1MB -sTOTAL_STACK=64KB -sALLOW_MEMORY_GROWTH=1
  CACHE INTERNAL "How the page's modules are linked")
target_link_options(trovanel PRIVATE ${TROVANEL_PAGE_LINK_OPTIONS})

add_custom_command(
  OUTPUT ${TROVANEL_DIST}/index.html
  COMMAND ${TROVANEL_BUILT_IN_PAGE_WRITER} ${TROVANEL_DIST}/index.html trovanel.js
          trovanel.wasm ${TROVANEL_PAGE_ICON}
  DEPENDS ${TROVANEL_BUILT_IN_PAGE_WRITER}
  COMMENT "Writing the built-in exercise's page")
add_custom_target(trovanel_page_markup ALL
                  DEPENDS ${TROVANEL_DIST}/index.html)

# A one-file page (trovanel-page) carries the same module, its script and
# WebAssembly packed into one text (trovanel-one-file.pack) that the page
# unpacks.
find_package(Python3 REQUIRED COMPONENTS Interpreter)
set(one_file ${PROJECT_BINARY_DIR}/one-file/trovanel-one-file)
add_custom_command(
  OUTPUT ${one_file}.pack
  COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/one-file
  COMMAND Python3::Interpreter ${PROJECT_SOURCE_DIR}/cmake/pack_module.py
          ${TROVANEL_DIST}/trovanel.js ${TROVANEL_DIST}/trovanel.wasm
          ${one_file}.pack
  DEPENDS trovanel ${PROJECT_SOURCE_DIR}/cmake/pack_module.py
  COMMENT "Packing the page's module for one-file pages")
add_custom_target(trovanel_one_file ALL DEPENDS ${one_file}.pack)

# The module for index.html?exercise=NAME.trovanel, with the TOML parser;
# the built-in module loads it only when the page is asked for a file.
add_executable(trovanel_exercise_page main_exercise_page.cc)
target_link_libraries(trovanel_exercise_page PRIVATE trovanel_opened_exercise
                      trovanel_page_writer trovanel_exercise_address forms_web)
set_target_properties(trovanel_exercise_page PROPERTIES SUFFIX .js
                      OUTPUT_NAME trovanel-exercise
                      RUNTIME_OUTPUT_DIRECTORY ${TROVANEL_DIST})
# A module of its own (a factory), beside the built-in one's.
target_link_options(trovanel_exercise_page PRIVATE ${TROVANEL_PAGE_LINK_OPTIONS}
                    -sMODULARIZE=1 -sEXPORT_NAME=TrovanelExercise
                    --pre-js ${PROJECT_SOURCE_DIR}/forms/web/page_in_place.js)
set_property(TARGET trovanel_exercise_page APPEND PROPERTY LINK_DEPENDS
             ${PROJECT_SOURCE_DIR}/forms/web/page_in_place.js)
include(${CMAKE_CURRENT_LIST_DIR}/editor.cmake)
