# Hardened builds: PIE, full RELRO, stack protector and FORTIFY on Linux;
# ASLR (dynamic base, high entropy) and DEP on Windows.
if(EMSCRIPTEN)
  # WebAssembly runs in the browser's sandbox: no executable memory, no
  # addresses to randomise; the flags below do not apply.
elseif(WIN32)
  add_link_options(-Wl,--dynamicbase -Wl,--nxcompat)
  if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    add_link_options(-Wl,--high-entropy-va)
  endif()
else()
  set(CMAKE_POSITION_INDEPENDENT_CODE ON)
  add_compile_options(-fstack-protector-strong -fPIE)
  # FORTIFY warns without optimisation, which -Werror would turn into an error.
  if(NOT CMAKE_BUILD_TYPE STREQUAL "Debug" AND NOT TROVANEL_SANITIZE)
    add_compile_definitions(_FORTIFY_SOURCE=2)
  endif()
  add_link_options(-pie -Wl,-z,relro -Wl,-z,now -Wl,-z,noexecstack)
endif()
