# trovanel_embed_text(OUTPUT file.cc TEMPLATE file.cc.in FILES f... [NAME n]
#                     [MINIFY])
# Builds text files into a program as C++ raw string literals: OUTPUT is
# TEMPLATE with @EMBEDDED_FILES@ standing for the entries {"name", text}, one
# a file, @EMBEDDED_TEXT@ for the first file's text alone, @EMBEDDED_SOURCE@
# for that file's name and @EMBEDDED_NAME@ for NAME. MINIFY drops
# /* */ comments and line breaks (style sheets, and scripts written with a
# semicolon after every statement). Editing a file reconfigures; OUTPUT is
# rewritten only when it changes, so nothing relinks for nothing.
function(trovanel_embed_text)
  cmake_parse_arguments(PARSE_ARGV 0 arg "MINIFY" "OUTPUT;TEMPLATE;NAME" "FILES")
  set(EMBEDDED_NAME "${arg_NAME}")
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${arg_FILES})
  set(EMBEDDED_FILES "")
  set(EMBEDDED_TEXT "")
  foreach(file IN LISTS arg_FILES)
    get_filename_component(name ${file} NAME)
    file(READ ${file} text)
    if(arg_MINIFY)
      string(REGEX REPLACE "/\\*([^*]|\\*+[^*/])*\\*+/" "" text "${text}")
      string(REGEX REPLACE "\n *" "" text "${text}")
    endif()
    set(literal "R\"embedded(${text})embedded\"")
    if(EMBEDDED_TEXT STREQUAL "")
      set(EMBEDDED_TEXT "${literal}")
      set(EMBEDDED_SOURCE "${name}")
    endif()
    string(APPEND EMBEDDED_FILES "    {\"${name}\", ${literal}},\n")
  endforeach()
  configure_file(${arg_TEMPLATE} ${arg_OUTPUT} @ONLY)
endfunction()
