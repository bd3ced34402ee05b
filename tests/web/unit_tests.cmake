# The unit tests cross-built with Emscripten and run under Node: GoogleTest
# from Debian's sources, built with the same flags.
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest
                 EXCLUDE_FROM_ALL)
# Node runs the module from its file, compiled at once.
add_link_options(-sENVIRONMENT=node -sWASM_ASYNC_COMPILATION=0
                 -sALLOW_MEMORY_GROWTH=1)
