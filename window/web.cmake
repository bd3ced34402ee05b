# The page in ${TROVANEL_DIST}: index.html (written from the layout table by
# the host program trovanel_page), the module's trovanel.js and trovanel.wasm,
# and the icon (resources/web.cmake).
set(TROVANEL_PAGE_TOOL "" CACHE FILEPATH
    "trovanel_page built for the build host (make web builds it)")
if(NOT TROVANEL_PAGE_TOOL)
  message(FATAL_ERROR "set TROVANEL_PAGE_TOOL to the host's trovanel_page")
endif()

add_executable(trovanel main_web.cc)
target_link_libraries(trovanel PRIVATE trovanel_built_in forms_web)
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

# The module of a one-file page (trovanel-page): the same program reading its
# exercise from the page; its script and WebAssembly packed into one text
# (trovanel-one-file.pack), which the page carries and unpacks.
add_executable(trovanel_one_file main_one_file_page.cc)
target_link_libraries(trovanel_one_file PRIVATE trovanel_window forms_web)
set_target_properties(trovanel_one_file PROPERTIES SUFFIX .js
                      OUTPUT_NAME trovanel-one-file
                      RUNTIME_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR}/one-file)
target_link_options(trovanel_one_file PRIVATE ${TROVANEL_PAGE_LINK_OPTIONS})
find_package(Python3 REQUIRED COMPONENTS Interpreter)
set(one_file ${PROJECT_BINARY_DIR}/one-file/trovanel-one-file)
add_custom_command(TARGET trovanel_one_file POST_BUILD
  COMMAND Python3::Interpreter ${PROJECT_SOURCE_DIR}/cmake/pack_module.py
          ${one_file}.js ${one_file}.wasm ${one_file}.pack
  COMMENT "Packing the one-file page's module")

# The module for index.html?exercise=NAME.trovanel, with the TOML parser;
# the built-in module loads it only when the page is asked for a file.
add_executable(trovanel_exercise_page main_exercise_page.cc)
target_link_libraries(trovanel_exercise_page PRIVATE trovanel_opened_exercise
                      forms_web)
set_target_properties(trovanel_exercise_page PROPERTIES SUFFIX .js
                      OUTPUT_NAME trovanel-exercise
                      RUNTIME_OUTPUT_DIRECTORY ${TROVANEL_DIST})
# A module of its own (a factory), beside the built-in one's.
target_link_options(trovanel_exercise_page PRIVATE ${TROVANEL_PAGE_LINK_OPTIONS}
                    -sMODULARIZE=1 -sEXPORT_NAME=TrovanelExercise)
include(${CMAKE_CURRENT_LIST_DIR}/editor.cmake)
