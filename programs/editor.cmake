# The exercise editor (dist/editor.html): its page and script from
# editor/, its module from the loader, the layout rule and the page
# generator, and the one-file module it puts in the preview and in the pages
# it writes.
add_executable(trovanel_editor main_editor.cc)
target_link_libraries(trovanel_editor PRIVATE trovanel_editor_model)
set_target_properties(trovanel_editor PROPERTIES SUFFIX .js
                      OUTPUT_NAME trovanel-editor
                      RUNTIME_OUTPUT_DIRECTORY ${TROVANEL_DIST})
target_link_options(trovanel_editor PRIVATE ${TROVANEL_PAGE_LINK_OPTIONS}
  -sMODULARIZE=1 -sEXPORT_NAME=TrovanelEditor
  -sEXPORTED_FUNCTIONS=_malloc,_free
  -sEXPORTED_RUNTIME_METHODS=UTF8ToString,stringToUTF8,lengthBytesUTF8,HEAPU8)

set(editor_page_files
  ${PROJECT_SOURCE_DIR}/editor/editor.html
  ${PROJECT_SOURCE_DIR}/editor/editor.js
  ${PROJECT_SOURCE_DIR}/editor/editor_fields.js
  ${PROJECT_SOURCE_DIR}/editor/download_name.js
  ${PROJECT_SOURCE_DIR}/editor/editor_preview.js
  ${PROJECT_SOURCE_DIR}/forms/web/packed_module.js
  ${PROJECT_SOURCE_DIR}/forms/web/page_alert.js
  ${PROJECT_SOURCE_DIR}/forms/web/page_in_place.js)
add_custom_command(
  OUTPUT ${TROVANEL_DIST}/editor.html ${TROVANEL_DIST}/editor.js
         ${TROVANEL_DIST}/editor_fields.js ${TROVANEL_DIST}/editor_preview.js
         ${TROVANEL_DIST}/download_name.js
         ${TROVANEL_DIST}/packed_module.js ${TROVANEL_DIST}/page_alert.js
         ${TROVANEL_DIST}/page_in_place.js
         ${TROVANEL_DIST}/trovanel-one-file.pack
  COMMAND ${CMAKE_COMMAND} -E copy ${editor_page_files}
          ${one_file}.pack ${TROVANEL_DIST}
  DEPENDS ${editor_page_files} trovanel_one_file
  COMMENT "Putting the editor's page beside the exercise page")
add_custom_target(trovanel_editor_page ALL
                  DEPENDS ${TROVANEL_DIST}/editor.html trovanel_editor)
