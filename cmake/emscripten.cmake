# The page's module and the tests run in Node, built with Emscripten.
# Run-time errors are C++ exceptions: WebAssembly's own exception handling
# catches them with the least code.
add_compile_options(-fwasm-exceptions)
add_link_options(-fwasm-exceptions)
