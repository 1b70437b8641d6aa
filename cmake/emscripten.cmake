# Cross build for the browser with Debian's Emscripten: its own toolchain, and node to run the
# test programs (without node's fetch, which Emscripten 3.1.6's loader would use for the .wasm).
include(/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake)
set(CMAKE_CROSSCOMPILING_EMULATOR /usr/bin/node --no-experimental-fetch)
