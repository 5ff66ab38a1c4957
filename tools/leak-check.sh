#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The sanitizer build of the program, driven through every figure and both
# dialogs under LeakSanitizer. Leaks inside system libraries that Qt's X11
# integration loads are not ours and are suppressed by name.
# Needs the sanitize preset built (bash tools/build.sh sanitize), xvfb and xdotool.
set -euo pipefail
cd "$(dirname "$0")/.."
export ASAN_OPTIONS=detect_leaks=1
export LSAN_OPTIONS=suppressions=$PWD/tools/lsan-system-libraries.supp:print_suppressions=1
bash tools/drive-under-xvfb.sh ./build-sanitize/torsiva
echo "leak check: no leak of ours"
