# The Windows program: one self-contained executable that imports only system
# libraries (C++ and GCC runtimes linked in), with its icon, version record and
# manifest.
add_executable(Trovanel WIN32 main_win32.cc
               $<TARGET_OBJECTS:trovanel_resources>)
target_link_libraries(Trovanel PRIVATE trovanel_program_shell forms_win32)
target_link_options(Trovanel PRIVATE -municode -static -static-libgcc
                    -static-libstdc++)
set_target_properties(Trovanel PROPERTIES
  RUNTIME_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR})
