#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs every fuzzer of the fuzz preset's build from the committed corpus.
# New inputs go to a temporary folder; a crash input is kept there, printed,
# and fails the run (add it to fuzz/corpus/ as a regression test once fixed).
# At the end each fuzzer's rate, corpus size and coverage are printed.
# Usage: bash tools/fuzz.sh BUILD_DIR [SECONDS_ACTIONS] [SECONDS_EACH_OTHER]
set -euo pipefail
cd "$(dirname "$0")/.."
build=$1
work=$(mktemp -d)
status=0
passed=0
summary=()
run() { # fuzzer corpus seconds
  local fuzzer=$1 corpus=$2 seconds=$3 dict=()
  if [ ! -x "$build/$fuzzer" ]; then
    echo "== $fuzzer: not built, skipped"
    return
  fi
  [ -f "fuzz/$corpus.dict" ] && dict=(-dict="fuzz/$corpus.dict")
  mkdir -p "$work/$corpus" "fuzz/corpus/$corpus"
  echo "== $fuzzer: $seconds s from fuzz/corpus/$corpus"
  if ! "$build/$fuzzer" -max_total_time="$seconds" -timeout=10 -print_final_stats=1 \
      "${dict[@]}" -artifact_prefix="$work/" "$work/$corpus" "fuzz/corpus/$corpus" \
      >"$work/$fuzzer.log" 2>&1; then
    tail -n 40 "$work/$fuzzer.log"
    for crash in "$work"/crash-* "$work"/timeout-* "$work"/leak-* "$work"/oom-*; do
      [ -e "$crash" ] && { echo "input: $crash"; xxd "$crash" | head -n 20; }
    done
    status=1
    return
  fi
  passed=$((passed + 1))
  # The last status line holds the coverage: "#N DONE cov: C ft: F corp: U/SIZE ...".
  local last rate
  last=$(grep -E '^#[0-9]+' "$work/$fuzzer.log" | tail -n 1)
  rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$work/$fuzzer.log")
  summary+=("$(printf '%-20s %6s exec/s  cov: %s  ft: %s  corpus: %s' "$fuzzer" "$rate" \
    "$(sed -n 's/.* cov: \([0-9]*\).*/\1/p' <<<"$last")" \
    "$(sed -n 's/.* ft: \([0-9]*\).*/\1/p' <<<"$last")" \
    "$(sed -n 's/.* corp: \([^ ]*\).*/\1/p' <<<"$last")")")
}
run torsiva-fuzz actions "${2:-60}"
run torsiva-fuzz-lines lines "${3:-20}"
run torsiva-fuzz-script script "${3:-20}"
run torsiva-fuzz-svg svg "${3:-20}"
echo "== summary (corpus: inputs/bytes at the end of the run)"
printf '%s\n' "${summary[@]}"
if [ "$status" -eq 0 ]; then
  echo "fuzzers: $passed passed, 0 failed"
  rm -rf "$work"
else
  echo "fuzzers: failed; inputs kept in $work"
fi
exit "$status"
