# Builds for WebAssembly with Debian's emscripten.
include(/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake)
# The number rules report a failed step by exception, which emscripten drops
# unless told otherwise; GoogleTest throws too. WebAssembly's own exceptions: those
# emulated in JavaScript make a listing of 99 ten times slower.
set(CMAKE_CXX_FLAGS_INIT -fwasm-exceptions)
set(CMAKE_EXE_LINKER_FLAGS_INIT -fwasm-exceptions)
