# What the Windows version record and the Linux package say of the product.
# The version as people read it: 1.0.0.0 is "1.00".
if(PROJECT_VERSION_MINOR LESS 10)
  set(TROVANEL_SHOWN_VERSION "${PROJECT_VERSION_MAJOR}.0${PROJECT_VERSION_MINOR}")
else()
  set(TROVANEL_SHOWN_VERSION "${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}")
endif()
# The address the built-in exercise's window title starts with, as its file
# has it, and the publisher's: reserved names of two different hosts.
set(built_in_file ${PROJECT_SOURCE_DIR}/exercises/horse-gaits.trovanel)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${built_in_file})
file(STRINGS ${built_in_file} title_line REGEX "^window-title = \"[^ ]+ ")
string(REGEX REPLACE "^window-title = \"([^ ]+) .*" "\\1"
       TROVANEL_TITLE_ADDRESS "${title_line}")
if(NOT TROVANEL_TITLE_ADDRESS MATCHES "^[a-z0-9.-]+\\.example$")
  message(FATAL_ERROR "${built_in_file}: no reserved address starts the "
                      "window title (${title_line})")
endif()
set(TROVANEL_PUBLISHER_ADDRESS "https://school.trovanel.example/")
set(TROVANEL_HOMEPAGE "https://www.trovanel.example/")
set(TROVANEL_MAINTAINER
    "Trovanel maintainers <maintainers@school.trovanel.example>")
