# The page for the browser: Debian's Emscripten, which ships its system libraries built, so the
# build needs no network and compiles none of them on first use.
include(/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake)

# The runtime reports its errors as C++ exceptions; Emscripten catches none unless told. The
# module is optimised as a whole at the link (a fifth smaller: what the page never calls, such
# as the command line's answers, goes).
set(CMAKE_CXX_FLAGS_INIT "-fexceptions -flto")
set(CMAKE_EXE_LINKER_FLAGS_INIT "-fexceptions -flto")
# Size before speed, as far as the compiler goes: the page is fetched before it runs.
set(CMAKE_CXX_FLAGS_MINSIZEREL_INIT "-Oz -DNDEBUG")

# Emscripten's JavaScript optimiser, the link's last step, needs Debian's acorn, which a Node.js
# other than Debian's own does not look for by itself.
set(CMAKE_CXX_LINKER_LAUNCHER ${CMAKE_COMMAND} -E env NODE_PATH=/usr/share/nodejs)
