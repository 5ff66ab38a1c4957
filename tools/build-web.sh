#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the browser edition, build-web/torsiva.html, and the Qt-free core's
# tests for Node (the web preset of CMakePresets.json, Debian's Emscripten),
# installing first what is missing: the emscripten package and GoogleTest's
# sources, from which GoogleTest is built once with em++.
#
# Debian's emscripten 3.1.6 and the system Node need three things, each
# handled here or in the preset rather than by emcmake:
# - Emscripten's JavaScript optimiser finds Debian's acorn only through
#   NODE_PATH=/usr/share/nodejs; cmake/web.cmake gives every link that.
# - Node 18 and later have fetch(), with which the generated loader tries to
#   read its .wasm file by URL and fails; the tests run under
#   `node --no-experimental-fetch`, and the page's module is inlined in its
#   loader and compiled as it loads, so it fetches nothing.
# - emcmake passes Node --experimental-wasm-threads, which Node 20 refuses;
#   the preset names the toolchain file and the test runner itself.
# Usage: bash tools/build-web.sh
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/deps.sh --only cmake make emscripten googletest

export NODE_PATH=/usr/share/nodejs
work=$PWD/build-web
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)

# GoogleTest once per build folder: it does not change between runs.
if [ ! -f "$work/googletest/lib/cmake/GTest/GTestConfig.cmake" ]; then
  cmake -S /usr/src/googletest -B "$work/googletest-build" \
    -DCMAKE_TOOLCHAIN_FILE=/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake \
    -DCMAKE_BUILD_TYPE=Release -DBUILD_GMOCK=OFF -DINSTALL_GTEST=ON \
    -DCMAKE_INSTALL_PREFIX="$work/googletest" "${launcher[@]}" >/dev/null
  cmake --build "$work/googletest-build" -j"$(nproc)" >/dev/null
  cmake --install "$work/googletest-build" >/dev/null
fi

cmake --preset web "${launcher[@]}"
cmake --build --preset web -j"$(nproc)"
size=$(stat -c %s "$work/torsiva.html")
echo "build-web/torsiva.html: $size bytes"
