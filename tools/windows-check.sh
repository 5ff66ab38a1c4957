#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Proves that the Qt-free core builds for Windows: cross-compiles geometry/,
# render/ and their GoogleTest suite (the line reference among them) with
# MinGW-w64, then runs the tests under wine64. GoogleTest is built from
# Debian's sources in /usr/src/googletest with the same compiler.
# Usage: bash tools/windows-check.sh [work folder, default build-windows/]
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/deps.sh g++-mingw-w64-x86-64-posix wine64 googletest

work=$(realpath -m "${1:-build-windows}")
toolchain=$PWD/cmake/mingw-w64.cmake
jobs=$(nproc)
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)

# GoogleTest once per work folder: it does not change between runs.
if [ ! -f "$work/googletest/lib/cmake/GTest/GTestConfig.cmake" ]; then
  cmake -S /usr/src/googletest -B "$work/googletest-build" -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DCMAKE_BUILD_TYPE=Release -DBUILD_GMOCK=OFF -DINSTALL_GTEST=ON \
    -DCMAKE_INSTALL_PREFIX="$work/googletest" "${launcher[@]}" >/dev/null
  cmake --build "$work/googletest-build" -j"$jobs" >/dev/null
  cmake --install "$work/googletest-build" >/dev/null
fi

cmake -S . -B "$work/core" -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE=Release \
  -DTORSIVA_CORE_ONLY=ON -DCMAKE_PREFIX_PATH="$work/googletest" "${launcher[@]}" >/dev/null
cmake --build "$work/core" -j"$jobs"

# A prefix of our own, so that nothing of the user's wine setup is touched
# or needed; the first start of wine in it takes a while.
export WINEPREFIX
WINEPREFIX=$(mktemp -d)
trap 'wineserver -k 2>/dev/null || true; rm -rf "$WINEPREFIX"' EXIT
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
wine64=$(command -v wine64 || echo /usr/lib/wine/wine64)
"$wine64" wineboot --init >/dev/null 2>&1 || true
"$wine64" "$work/core/torsiva-core-tests.exe"
