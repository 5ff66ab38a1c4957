#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test. No display is needed:
# the widget tests use Qt's offscreen platform.
#
# Then the whole suite again, built with clang, AddressSanitizer and
# UndefinedBehaviorSanitizer (any report fails it, leaks included), and the
# two fuzzers for a minute and a half from their seed corpus.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/deps.sh clang libclang-rt-14-dev llvm xxd
bash tools/build.sh
ctest --test-dir build --output-on-failure -j"$(nproc)"

echo "== sanitizer build"
CC=clang CXX=clang++ cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DTORSIVA_SANITIZE=ON -DTORSIVA_FUZZ=ON
cmake --build build-sanitize -j"$(nproc)"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
ctest --test-dir build-sanitize --output-on-failure -j"$(nproc)"
bash tools/fuzz.sh build-sanitize 60 20
