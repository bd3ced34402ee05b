# The i686 program, the reference build, as a 64-bit Windows runs it: Debian's
# 64-bit Wine hands it to its 32-bit loader (wine32:i386), in a prefix of its
# own. The driver's scenarios and pictures, built for i686, and the shipped
# Trovanel.exe from outside. wine32.sh runs the 32-bit loader natively, or
# under qemu-user where the kernel runs no 32-bit program, and says which.
set(windows_i686 ${windows_build_dir}/i686)
set(wine32 ${CMAKE_CURRENT_SOURCE_DIR}/wine32.sh)
set(wine_environment_i686 WINEPREFIX=${wine_prefix}-i686 WINEDEBUG=-all
    "WINEDLLOVERRIDES=mscoree,mshtml=" WINEARCH=win64)
set(native_status 1)
if(NOT "$ENV{TROVANEL_WINE32}" STREQUAL qemu)
  execute_process(COMMAND /usr/lib/wine/wine --version
                  RESULT_VARIABLE native_status OUTPUT_QUIET ERROR_QUIET)
endif()
set(timeout 180)
set(i686_needs ${wine_needs} wine32:i386)
if(NOT native_status EQUAL 0)
  set(timeout 900)  # under qemu-user a 32-bit program takes minutes
  list(APPEND i686_needs qemu-user-static)
endif()

# Under wine32.sh, so that Wine's set-up completes the prefix's 32-bit half.
trovanel_add_test(NAME windows_i686_wine_prefix NEEDS ${i686_needs}
                  COMMAND ${wine32} sh ${CMAKE_CURRENT_SOURCE_DIR}/wine_prefix.sh
                          ${wine_dir} 96)
# The longest chain of the run: started first, so the rest runs beside it.
set_tests_properties(windows_i686_wine_prefix PROPERTIES
  FIXTURES_SETUP wine_prefix_i686 ENVIRONMENT "${wine_environment_i686}"
  TIMEOUT ${timeout} COST 300)

# Every test of the driver, its pictures included, in one run (a start under
# qemu-user costs a minute or more), held to the x86-64 build's reference
# images: both builds draw the window to the pixel.
set(driver_i686 ${windows_i686}/trovanel_wine_e2e.exe)
trovanel_add_test(NAME windows_i686_e2e NEEDS ${i686_needs}
  COMMAND ${on_x} ${wine32} ${CMAKE_CURRENT_SOURCE_DIR}/reference_images.sh
          ${TROVANEL_WINE64} ${driver_i686}
          ${CMAKE_CURRENT_BINARY_DIR}/reference-images-i686 *)
set(i686_tests windows_i686_e2e)

# The program test waits a minute for the window, too short under qemu-user.
if(native_status EQUAL 0)
  set(program_test ${on_x} ${wine32} $<TARGET_FILE:windows_program_test>)
  list(APPEND i686_tests windows_i686_program)
  list(APPEND wine_environment_i686 TROVANEL_EXE=${windows_i686}/Trovanel.exe)
else()
  set(program_test ${CMAKE_COMMAND} -E echo
      "skipped: no 32-bit support in this kernel, too slow under qemu-user")
endif()
trovanel_add_test(NAME windows_i686_program NEEDS ${i686_needs}
                  COMMAND ${program_test})
set_tests_properties(windows_i686_program PROPERTIES
                     SKIP_REGULAR_EXPRESSION "^skipped: ")

set_tests_properties(${i686_tests} PROPERTIES
  FIXTURES_REQUIRED wine_prefix_i686 RESOURCE_LOCK wine_prefix_i686
  ENVIRONMENT "${wine_environment_i686}" TIMEOUT ${timeout} COST 200)
