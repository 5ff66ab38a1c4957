#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The manual names every setting the program keeps: each QSettings key in
# the shell's sources appears in man/torsiva.1.
set -u
cd "$(dirname "$0")/.."
keys=$(grep -ho 'Key\( = \|\[\] = \)"[^"]*"' ui/*.cpp ui/*.h app/*.cpp | sed 's/.*"\(.*\)"/\1/' | sort -u)
missing=0
for key in $keys; do
  grep -q -- "$(printf '%s' "$key" | sed 's/[.[\*^$/]/\\&/g')" man/torsiva.1 || {
    echo "not in man/torsiva.1: $key"
    missing=$((missing + 1))
  }
done
echo "settings documented: $(($(wc -w <<<"$keys") - missing)) passed, $missing failed"
[ -n "$keys" ] && [ "$missing" -eq 0 ]
