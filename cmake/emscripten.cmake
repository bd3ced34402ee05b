# The page's module (in the browser) and the unit tests (under Node), built
# with Emscripten. Run-time errors are C++ exceptions: WebAssembly's own
# exception handling catches them with the least code.
add_compile_options(-fwasm-exceptions)
add_link_options(-fwasm-exceptions)

# The page's folder of static files and its icon's name there.
set(TROVANEL_DIST ${PROJECT_BINARY_DIR}/dist)
set(TROVANEL_PAGE_ICON trovanel.png)
