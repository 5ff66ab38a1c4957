# SPDX-License-Identifier: MIT
# Settings of the browser edition's build with Debian's Emscripten (the web
# preset of CMakePresets.json, tools/build-web.sh).

# Emscripten's linker runs its JavaScript optimiser under the system Node,
# which finds Debian's acorn only through NODE_PATH; every link is given it,
# so that a build started without the script links as well.
set(CMAKE_CXX_LINKER_LAUNCHER ${CMAKE_COMMAND} -E env NODE_PATH=/usr/share/nodejs)

# WebAssembly's 128-bit vectors for the loops over many vertices: IEEE
# arithmetic lane by lane, never fused, so the same bits as the scalar loop.
add_compile_options(-msimd128)
# Clang leaves the canvas's line out of its polyline loop, one call for
# every vertex, where GCC builds it in; a higher threshold builds it in.
add_compile_options("SHELL:-mllvm -inline-threshold=1000")

# The pictures of the largest scales need more than the first 16 MB.
add_link_options(-sALLOW_MEMORY_GROWTH=1)
