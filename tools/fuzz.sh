#!/usr/bin/env bash
# Runs the fuzzers of the fuzz preset's build from the committed seed corpus.
# New inputs go to a temporary folder; a crash input is kept there, printed,
# and fails the run (add it to fuzz/corpus/ as a regression test once fixed).
# Usage: bash tools/fuzz.sh BUILD_DIR [SECONDS_ACTIONS] [SECONDS_LINES]
set -euo pipefail
cd "$(dirname "$0")/.."
build=$1
work=$(mktemp -d)
status=0
run() { # fuzzer corpus seconds
  mkdir -p "$work/$2"
  echo "== $1: $3 s from fuzz/corpus/$2"
  if ! "$build/$1" -max_total_time="$3" -timeout=10 -print_final_stats=1 \
      -artifact_prefix="$work/" "$work/$2" "fuzz/corpus/$2" >"$work/$1.log" 2>&1; then
    tail -n 40 "$work/$1.log"
    for crash in "$work"/crash-* "$work"/timeout-* "$work"/leak-*; do
      [ -e "$crash" ] && { echo "input: $crash"; xxd "$crash" | head -n 20; }
    done
    status=1
  else
    grep -E '^(Done|stat::number_of_executed_units)' "$work/$1.log" || true
  fi
}
run torsiva-fuzz actions "${2:-60}"
run torsiva-fuzz-lines lines "${3:-20}"
if [ "$status" -eq 0 ]; then
  echo "fuzzers: 2 passed, 0 failed"
  rm -rf "$work"
else
  echo "fuzzers: failed; inputs kept in $work"
fi
exit "$status"
