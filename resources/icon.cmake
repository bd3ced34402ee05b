# Makes OUTPUT, the icon in FORMAT (png or ico), from the one source picture.
find_package(Python3 REQUIRED COMPONENTS Interpreter)

function(trovanel_convert_icon format output)
  add_custom_command(
    OUTPUT ${output}
    COMMAND Python3::Interpreter ${PROJECT_SOURCE_DIR}/tools/icon_convert.py
            --${format} ${output} ${PROJECT_SOURCE_DIR}/resources/trovanel.xpm
    DEPENDS ${PROJECT_SOURCE_DIR}/tools/icon_convert.py
            ${PROJECT_SOURCE_DIR}/resources/trovanel.xpm
    COMMENT "Making the icon's ${format} from trovanel.xpm")
endfunction()
