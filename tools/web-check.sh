#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The browser edition's checks: builds build-web/ (tools/build-web.sh), runs
# the core's and the page's GoogleTest suites under Node, then the end-to-end
# tests of build-web/torsiva.html in Debian's chromium, headless, driven by
# the playwright-core pinned in tests/web/package-lock.json (installed with
# npm ci; it downloads no browser). The end-to-end tests compare the page
# with build/torsiva-snapshot, so the release build comes first.
# Usage: bash tools/web-check.sh   (after tools/build.sh release)
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/build-web.sh
ctest --preset web -j"$(nproc)"

bash tools/deps.sh --only chromium
[ -x build/torsiva-snapshot ] || { echo "build/torsiva-snapshot is missing: run tools/build.sh first" >&2; exit 1; }
(cd tests/web && npm ci --no-audit --no-fund --loglevel=error)
node --test tests/web/
