# What the Windows version record and the Linux package say of the product.
# The version as people read it: 1.0.0.0 is "1.00".
if(PROJECT_VERSION_MINOR LESS 10)
  set(TROVANEL_SHOWN_VERSION "${PROJECT_VERSION_MAJOR}.0${PROJECT_VERSION_MINOR}")
else()
  set(TROVANEL_SHOWN_VERSION "${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}")
endif()
# A reserved name, and another host than the one in the window title.
set(TROVANEL_PUBLISHER_ADDRESS "https://school.trovanel.example/")
set(TROVANEL_HOMEPAGE "https://www.trovanel.example/")
set(TROVANEL_MAINTAINER
    "Trovanel maintainers <maintainers@school.trovanel.example>")
