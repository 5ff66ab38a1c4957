#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Checks what a distribution would package: installs the build into a
# temporary prefix, validates the desktop entry and the AppStream metadata
# there (the file and the tree), checks both man pages for warnings, renders
# the scalable icon, and runs the installed program's --help, --version and a
# bad option without a display (exit statuses 0, 0 and 2). Exits non-zero on
# any problem.
# Needs: desktop-file-utils, appstream, groff, man-db, librsvg2-bin.
# Usage: bash tools/package-check.sh [BUILD_DIR]   (default: build)
set -uo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
problems=0
fail() { echo "FAIL: $*"; problems=$((problems + 1)); }

# A check passes when its command succeeds and prints nothing.
quiet() { # description command...
  local description=$1 output
  shift
  if ! output=$("$@" 2>&1) || [ -n "$output" ]; then
    fail "$description"
    [ -n "$output" ] && printf '%s\n' "$output"
  fi
}

cmake --install "$build" --prefix "$prefix" >/dev/null || { echo "FAIL: cmake --install"; exit 1; }

id=org.torsiva.Torsiva
share=$prefix/share
for file in "bin/torsiva" "share/applications/$id.desktop" "share/metainfo/$id.metainfo.xml" \
    "share/icons/hicolor/scalable/apps/$id.svg" "share/icons/hicolor/48x48/apps/$id.png" \
    "share/man/man1/torsiva.1" "share/man/man1/torsiva-snapshot.1"; do
  [ -f "$prefix/$file" ] || fail "not installed: $file"
done

quiet "desktop-file-validate $id.desktop" desktop-file-validate "$share/applications/$id.desktop"
# The file on its own, then the whole tree: the launchable must name the
# installed desktop entry.
for check in "validate --no-net $share/metainfo/$id.metainfo.xml" "validate-tree --no-net $prefix"; do
  # shellcheck disable=SC2086 # the words of each check
  if ! output=$(appstreamcli $check 2>&1); then
    fail "appstreamcli ${check%% *}"
    printf '%s\n' "$output"
  fi
done
for page in torsiva torsiva-snapshot; do
  quiet "groff warnings in $page.1" groff -ww -z -man "$share/man/man1/$page.1"
  # man writes the page itself on the standard output; only its warnings count.
  warnings=$(MANWIDTH=80 man --warnings -l "$share/man/man1/$page.1" 2>&1 >/dev/null) &&
    [ -z "$warnings" ] || { fail "man warnings in $page.1"; printf '%s\n' "$warnings"; }
done
quiet "the scalable icon does not render" \
  rsvg-convert --width 64 --output "$prefix/icon.png" "$share/icons/hicolor/scalable/apps/$id.svg"

expect_status() { # expected-status arguments...
  local expected=$1 status
  shift
  env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=offscreen "$prefix/bin/torsiva" "$@" \
    >"$prefix/stdout" 2>"$prefix/stderr"
  status=$?
  if [ "$status" -ne "$expected" ]; then
    fail "torsiva $*: status $status, expected $expected"
    cat "$prefix/stdout" "$prefix/stderr"
  fi
}
expect_status 0 --help
grep -q -- '--figure' "$prefix/stdout" || fail "torsiva --help does not list --figure"
expect_status 0 --version
grep -q "^Torsiva [0-9]" "$prefix/stdout" || fail "torsiva --version does not print the version"
expect_status 2 --no-such-option
[ -s "$prefix/stdout" ] && fail "torsiva --no-such-option wrote to the standard output"
grep -q '^torsiva: ' "$prefix/stderr" || fail "torsiva --no-such-option does not say what is wrong"

if [ "$problems" -eq 0 ]; then
  echo "package check: passed"
else
  echo "package check: $problems problem(s)"
fi
[ "$problems" -eq 0 ]
