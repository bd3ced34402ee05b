# What the Windows version record and the Linux package say of the product.
# The version as people read it: 1.0.0.0 is "1.00".
if(PROJECT_VERSION_MINOR LESS 10)
  set(TROVANEL_SHOWN_VERSION "${PROJECT_VERSION_MAJOR}.0${PROJECT_VERSION_MINOR}")
else()
  set(TROVANEL_SHOWN_VERSION "${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}")
endif()
# The address the window title starts with (quiz_content.cc), and the
# publisher's: reserved names of two different hosts.
set(TROVANEL_TITLE_ADDRESS "www.trovanel.example")
set(TROVANEL_PUBLISHER_ADDRESS "https://school.trovanel.example/")
set(TROVANEL_HOMEPAGE "https://www.trovanel.example/")
set(TROVANEL_MAINTAINER
    "Trovanel maintainers <maintainers@school.trovanel.example>")
