# Cross-compiles the Windows program with Debian's mingw-w64, for 32-bit Intel
# unless mingw-x86_64.cmake has chosen x86-64 before including this file. The
# win32 thread model keeps the pthread DLL out of the program.
if(NOT DEFINED TROVANEL_MINGW_PREFIX)
  set(TROVANEL_MINGW_PREFIX i686-w64-mingw32)
  set(CMAKE_SYSTEM_PROCESSOR x86)
endif()
set(CMAKE_SYSTEM_NAME Windows)

find_program(CMAKE_C_COMPILER NAMES ${TROVANEL_MINGW_PREFIX}-gcc-win32
             ${TROVANEL_MINGW_PREFIX}-gcc REQUIRED)
find_program(CMAKE_CXX_COMPILER NAMES ${TROVANEL_MINGW_PREFIX}-g++-win32
             ${TROVANEL_MINGW_PREFIX}-g++ REQUIRED)
find_program(CMAKE_RC_COMPILER NAMES ${TROVANEL_MINGW_PREFIX}-windres REQUIRED)

set(CMAKE_FIND_ROOT_PATH /usr/${TROVANEL_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

# Small executables: unused code and data are dropped, symbols stripped.
set(CMAKE_CXX_FLAGS_INIT "-ffunction-sections -fdata-sections")
set(CMAKE_EXE_LINKER_FLAGS_INIT "-Wl,--gc-sections")
set(CMAKE_EXE_LINKER_FLAGS_MINSIZEREL_INIT "-s")
