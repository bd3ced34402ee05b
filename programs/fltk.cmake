# The Linux program: build/trovanel, and where `cmake --install` puts it.
include(GNUInstallDirs)

add_executable(trovanel main_fltk.cc)
target_link_libraries(trovanel PRIVATE trovanel_program_shell forms_fltk)
# Loaded at run time when a screen reader may be listening.
add_dependencies(trovanel trovanel_accessibility)
# The icon is compiled in from its one source picture.
target_include_directories(trovanel PRIVATE ${PROJECT_SOURCE_DIR})
set_target_properties(trovanel PROPERTIES
  RUNTIME_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR})

install(TARGETS trovanel RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
