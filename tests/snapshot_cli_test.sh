#!/usr/bin/env bash
# The snapshot tool's command line: good runs write their files, bad ones
# exit with status 2, say why on one line and write nothing.
set -u
tool="$1"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
checks=0

expect_status() { # expected-status description args...
  local expected=$1 description=$2
  checks=$((checks + 1))
  shift 2
  rm -f "$work"/out.png "$work"/ops.txt
  "$tool" "$@" >"$work/stdout" 2>"$work/stderr"
  local status=$?
  if [ "$status" -ne "$expected" ]; then
    echo "FAIL: $description: status $status, expected $expected"; cat "$work/stderr"; failures=$((failures + 1))
  elif [ "$expected" -eq 2 ] && { [ -e "$work/out.png" ] || [ ! -s "$work/stderr" ]; }; then
    echo "FAIL: $description: wrote a file or said nothing"; failures=$((failures + 1))
  fi
}

out=(--out "$work/out.png")
expect_status 0 "default helix" --figure helix "${out[@]}" --ops "$work/ops.txt"
checks=$((checks + 1))
[ "$(head -n 3 "$work/ops.txt" | tr '\n' ';')" = "pen border;fill black;rect 0 0 500 500;" ] ||
  { echo "FAIL: ops log does not start with the background"; failures=$((failures + 1)); }
checks=$((checks + 1))
[ "$(grep -c '^move' "$work/ops.txt")" -eq 27 ] || { echo "FAIL: helix moves"; failures=$((failures + 1)); }
expect_status 0 "every option" --figure spherical --angle 0 --zoom 12.5 --eye 10,-200,40 --up 0,1,1 "${out[@]}"
expect_status 2 "unknown figure" --figure torus "${out[@]}"
expect_status 2 "unknown flag" --figure helix --colour red "${out[@]}"
expect_status 2 "angle above 89" --figure helix --angle 90 "${out[@]}"
expect_status 2 "angle not a number" --figure helix --angle ten "${out[@]}"
expect_status 2 "zoom above 100" --figure helix --zoom 101 "${out[@]}"
expect_status 2 "eye at the origin" --figure helix --eye 0,0,0 "${out[@]}"
expect_status 2 "eye with two numbers" --figure helix --eye 1,2 "${out[@]}"
expect_status 2 "missing value" --figure helix --out
expect_status 2 "missing --out" --figure helix

printf '[{"button":"conical"},{"scroll":{"bar":1014,"code":0}},{"press":[0,0]},{"move":[250,0]},{"release":[250,0]}]' >"$work/good.json"
expect_status 0 "script" --script "$work/good.json" "${out[@]}"
checks=$((checks + 1))
grep -q '"angleDeg":59' "$work/stdout" && grep -q '"redraws":3' "$work/stdout" && grep -q '"label":"Ángulo = 59º"' "$work/stdout" ||
  { echo "FAIL: script state: $(cat "$work/stdout")"; failures=$((failures + 1)); }
printf '[{"button":"helix"},{"press":[1,"2"]}]' >"$work/bad.json"
expect_status 2 "wrong type in a script" --script "$work/bad.json" "${out[@]}"
checks=$((checks + 1))
grep -q 'action 1' "$work/stderr" || { echo "FAIL: error does not name action 1"; failures=$((failures + 1)); }
printf '[{"button":"helix"},' >"$work/broken.json"
expect_status 2 "malformed script" --script "$work/broken.json" "${out[@]}"
expect_status 2 "script with view options" --script "$work/good.json" --figure helix "${out[@]}"

echo "snapshot command line: $((checks - failures)) passed, $failures failed"
[ "$failures" -eq 0 ]
