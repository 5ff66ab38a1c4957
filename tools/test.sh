#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs what is missing, builds, and runs every test. No display is needed:
# the widget tests use Qt's offscreen platform.
#
# After the release suite: what a distribution would package (desktop entry,
# AppStream metadata, man pages, the installed program's command line); the
# Qt-free core cross-compiled for Windows and tested under wine; then the
# whole suite again, built with clang, AddressSanitizer and
# UndefinedBehaviorSanitizer (any report fails it, leaks included), the
# fuzzers from their committed corpus, and the browser edition: its build,
# its suites under Node and its page in a headless browser.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/deps.sh clang libclang-rt-14-dev llvm xxd ccache librsvg2-bin
bash tools/build.sh release
ctest --preset release -j"$(nproc)"

echo "== package check"
bash tools/package-check.sh build

echo "== Windows check"
bash tools/windows-check.sh

echo "== sanitizer build"
bash tools/build.sh fuzz
ctest --preset fuzz -j"$(nproc)"
bash tools/fuzz.sh build-fuzz 60 20

echo "== browser edition"
bash tools/web-check.sh
