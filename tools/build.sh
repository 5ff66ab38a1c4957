#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Configures and builds one preset of CMakePresets.json (default: release,
# into build/). ccache, when installed, keeps rebuilds short.
# Usage: bash tools/build.sh [release|sanitize|fuzz]
set -euo pipefail
cd "$(dirname "$0")/.."
preset=${1:-release}
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake --preset "$preset" "${launcher[@]}"
cmake --build --preset "$preset" -j"$(nproc)"
