# Cross-compiles the Windows program for x86-64; the rest of the set-up is
# shared with the 32-bit build.
set(TROVANEL_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_SYSTEM_PROCESSOR AMD64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-i686.cmake)
