#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test. No display is needed:
# the widget tests use Qt's offscreen platform.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/deps.sh
bash tools/build.sh
ctest --test-dir build --output-on-failure -j"$(nproc)"
