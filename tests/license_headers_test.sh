#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Every source file, build file and script names its licence in its first
# lines, so that a file copied out of the tree still says under which terms.
set -u
cd "$(dirname "$0")/.."
missing=0
checked=0
while IFS= read -r file; do
  case "$file" in
    fuzz/corpus/*) continue ;;
    *.cpp | *.h | *.in | *.sh | *.cmake | CMakeLists.txt | */CMakeLists.txt | *.desktop | \
      *.metainfo.xml | *.svg | *.1 | *.rc | .ci/run | *.supp | *.dict | *.js | *.mjs | *.html | \
      *.css) ;;
    *) continue ;;
  esac
  checked=$((checked + 1))
  head -n 3 "$file" | grep -q 'SPDX-License-Identifier: MIT' || {
    echo "no licence line: $file"
    missing=$((missing + 1))
  }
done < <(git ls-files)
echo "licence lines: $((checked - missing)) passed, $missing failed"
[ "$checked" -gt 0 ] && [ "$missing" -eq 0 ]
