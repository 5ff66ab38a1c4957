#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The snapshot tool's command line: good runs write their files, bad ones
# exit with status 2, say why on one line and write nothing; a file that
# cannot be written gives status 1, one line naming it, and no file at all.
set -u
tool=$(realpath "$1")
work=$(mktemp -d)
logs=$(mktemp -d)
trap 'rm -rf "$work" "$logs"' EXIT
failures=0
checks=0

fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
check() { # description command...
  checks=$((checks + 1))
  local description=$1
  shift
  "$@" || fail "$description"
}

# Runs the tool in $work; any status but 0 must leave $work as it was.
expect_status() { # expected-status description args...
  local expected=$1 description=$2
  checks=$((checks + 1))
  shift 2
  rm -f "$work"/out.png "$work"/ops.txt
  local before
  before=$(cd "$work" && ls -Ali --time-style=+%s.%N | sort)
  (cd "$work" && "$tool" "$@" >"$logs/stdout" 2>"$logs/stderr")
  local status=$?
  if [ "$status" -ne "$expected" ]; then
    fail "$description: status $status, expected $expected"; cat "$logs/stderr"
  elif [ "$expected" -ne 0 ]; then
    [ "$(cd "$work" && ls -Ali --time-style=+%s.%N | sort)" = "$before" ] ||
      fail "$description: the folder changed"
    [ "$(grep -c '^torsiva-snapshot: ' "$logs/stderr")" -eq 1 ] ||
      fail "$description: not one line of error: $(cat "$logs/stderr")"
  fi
}

out=(--out "$work/out.png")

# Good runs, and the three ways of asking for help.
expect_status 0 "default helix" --figure helix "${out[@]}" --ops "$work/ops.txt"
check "ops log starts with the background" \
  test "$(head -n 3 "$work/ops.txt" | tr '\n' ';')" = "pen border;fill black;rect 0 0 500 500;"
check "helix moves" test "$(grep -c '^move' "$work/ops.txt")" -eq 27
expect_status 0 "every option" --figure spherical --angle 0 --zoom 12.5 --eye 10,-200,40 --up 0,1,1 "${out[@]}"
expect_status 0 "--opt=value" --figure=conical --angle=30 --zoom=50 --eye=300,0,0 --up=0,0,1 --scale=1 --out="$work/out.png"
check "--opt=value writes the picture" test -s "$work/out.png"
expect_status 0 "upper-case extension" --figure helix --out "$work/OUT.PNG"
rm -f "$work/OUT.PNG"
expect_status 0 "SVG by its extension" --figure conical --out "$work/out.svg"
check "the SVG is an SVG document with polylines" grep -q '<polyline' "$work/out.svg"
check "the SVG has the picture's view box" grep -q 'viewBox="0 0 500 500"' "$work/out.svg"
expect_status 0 "PDF by its extension" --figure spherical --out "$work/out.pdf"
check "the PDF starts as a PDF" test "$(head -c 5 "$work/out.pdf")" = "%PDF-"
rm -f "$work/out.svg" "$work/out.pdf"
for help in --help -h --version; do
  expect_status 0 "$help" "$help"
  check "$help prints to stdout" test -s "$logs/stdout"
done
"$tool" --help | grep -q -- '--script' || fail "--help lists the options"
[ "$("$tool" --version)" = "torsiva-snapshot $(sed -n 's/^project(Torsiva VERSION \([0-9.]*\).*/\1/p' "$(dirname "$0")/../CMakeLists.txt")" ] ||
  fail "--version prints the project's version"

# Bad command lines.
expect_status 2 "unknown figure" --figure torus "${out[@]}"
expect_status 2 "unknown flag" --figure helix --colour red "${out[@]}"
expect_status 2 "stray argument" --figure helix extra "${out[@]}"
expect_status 2 "option given twice" --figure helix --zoom 10 --zoom 20 "${out[@]}"
expect_status 2 "angle above 89" --figure helix --angle 90 "${out[@]}"
expect_status 2 "angle not a number" --figure helix --angle ten "${out[@]}"
expect_status 2 "angle not whole" --figure helix --angle 10.5 "${out[@]}"
expect_status 2 "zoom above 100" --figure helix --zoom 101 "${out[@]}"
expect_status 2 "eye at the origin" --figure helix --eye 0,0,0 "${out[@]}"
expect_status 2 "eye with two numbers" --figure helix --eye 1,2 "${out[@]}"
expect_status 2 "eye with four numbers" --figure helix --eye 1,2,3,4 "${out[@]}"
expect_status 2 "eye beyond 1e150" --figure helix --eye 1e151,0,0 "${out[@]}"
expect_status 2 "up along the line of sight" --figure helix --eye 300,0,0 --up 2,0,0 "${out[@]}"
expect_status 2 "up zero" --figure helix --up 0,0,0 "${out[@]}"
expect_status 2 "missing value" --figure helix --out
expect_status 2 "missing --out" --figure helix
expect_status 2 "empty --out" --figure helix --out ""
expect_status 2 "empty --ops" --figure helix "${out[@]}" --ops ""
expect_status 2 "other extension" --figure helix --out "$work/out.jpg"

# Numbers are plain decimals, whole, and finite with nothing lost.
for bad in 0x10 " 5" "5 " 1e-400 1e400 nan inf -inf "" + 1,5 5e 0x1p3 "1 0"; do
  expect_status 2 "--zoom '$bad'" --figure helix --zoom "$bad" "${out[@]}"
  expect_status 2 "--angle '$bad'" --figure helix --angle "$bad" "${out[@]}"
  expect_status 2 "--eye with '$bad'" --figure helix --eye "300,$bad,0" "${out[@]}"
  expect_status 2 "--up with '$bad'" --figure helix --up "0,$bad,1" "${out[@]}"
done
for good in 50 +50 50.0 5e1 .5 -0 0.000; do
  expect_status 0 "--zoom '$good'" --figure helix --zoom "$good" "${out[@]}"
done
for bad in 0 -1 abc nan 17 0.2 16.5 inf 0x1 " 2"; do
  expect_status 2 "--scale '$bad'" --figure helix --scale "$bad" "${out[@]}"
done
expect_status 0 "--scale 1" --figure helix --scale 1 "${out[@]}"
# Scaled pictures: the border is Rectangle(0, 0, N, N) for N = round(500·s),
# and the picture is N pixels square. Scale 1 is the exact picture.
"$tool" --figure conical --out "$work/one.png" --ops "$work/one.txt"
"$tool" --figure conical --scale 1 --out "$work/scale1.png" --ops "$work/scale1.txt"
check "--scale 1 keeps the operations" cmp -s "$work/one.txt" "$work/scale1.txt"
for scale in 1.5:750 2:1000 3:1500 0.25:125; do
  "$tool" --figure conical --scale "${scale%%:*}" --out "$work/scaled.png" --ops "$work/scaled.txt"
  check "--scale ${scale%%:*} border" grep -qx "rect 0 0 ${scale##*:} ${scale##*:}" "$work/scaled.txt"
  check "--scale ${scale%%:*} picture size" \
    test "$(od -An -tu1 -j16 -N8 "$work/scaled.png" | tr -s ' ' | cut -d' ' -f2-9 | tr ' ' ,)" = \
    "0,0,$((${scale##*:} / 256)),$((${scale##*:} % 256)),0,0,$((${scale##*:} / 256)),$((${scale##*:} % 256))"
  check "--scale ${scale%%:*} draws as many moves" \
    test "$(grep -c '^move' "$work/scaled.txt")" -eq "$(grep -c '^move' "$work/one.txt")"
done
rm -f "$work"/one.* "$work"/scale1.* "$work"/scaled.*

# Huge and tiny vectors: the same picture as their ordinary-sized kin.
"$tool" --figure helix --out "$work/plain.png" --ops "$work/plain.txt"
"$tool" --figure helix --up 0,0,1e150 --out "$work/huge.png" --ops "$work/huge.txt"
"$tool" --figure helix --up 0,0,1e-300 --out "$work/tiny.png" --ops "$work/tiny.txt"
check "huge up draws the plain picture" cmp -s "$work/plain.png" "$work/huge.png"
check "huge up makes the plain operations" cmp -s "$work/plain.txt" "$work/huge.txt"
check "tiny up draws the plain picture" cmp -s "$work/plain.png" "$work/tiny.png"
"$tool" --figure helix --eye 1e150,0,0 --out "$work/far.png" --ops "$work/far.txt"
"$tool" --figure helix --eye 1e20,0,0 --out "$work/distant.png" --ops "$work/distant.txt"
check "an eye at 1e150 sees what a very distant eye sees" cmp -s "$work/far.txt" "$work/distant.txt"
check "a distant eye sees the figure shrunk to the centre" grep -q '^line 250 250$' "$work/far.txt"
expect_status 0 "eye at 1e-200 is not the origin" --figure helix --eye 1e-200,0,0 "${out[@]}"
rm -f "$work"/plain.* "$work"/huge.* "$work"/tiny.* "$work"/far.* "$work"/distant.*

# The flat picture: the figure's development instead of the figure, in every
# format, at any scale, and never depending on the eye.
expect_status 0 "flat helix" --figure helix --angle 45 --flat "${out[@]}" --ops "$work/ops.txt"
check "flat ops: the square, then the outline" \
  test "$(head -n 4 "$work/ops.txt" | tr '\n' ';')" = "pen border;fill black;rect 0 0 500 500;pen outline;"
check "flat ops: outline, wires, curve" \
  test "$(grep '^pen' "$work/ops.txt" | tr '\n' ';')" = "pen border;pen outline;pen wire;pen curve;"
"$tool" --figure helix --angle 45 --flat --eye 30,-200,90 --up 1,0,0 --zoom 3 \
  --out "$work/turned.png" --ops "$work/turned.txt"
check "the flat picture ignores the eye, up and zoom" cmp -s "$work/ops.txt" "$work/turned.txt"
check "a flat PNG is written" cmp -s "$work/out.png" "$work/turned.png"
expect_status 0 "flat SVG" --figure spherical --angle 30 --flat --out "$work/out.svg"
check "the flat SVG holds the flat group" grep -q '<g id="flat" transform="matrix(' "$work/out.svg"
check "its polylines have classes" grep -q '<polyline class="curve" points="' "$work/out.svg"
expect_status 0 "flat PDF" --figure conical --flat --out "$work/out.pdf"
check "the flat PDF starts as a PDF" test "$(head -c 5 "$work/out.pdf")" = "%PDF-"
expect_status 0 "flat at scale 2" --figure conical --flat --scale 2 "${out[@]}" --ops "$work/ops.txt"
check "flat at scale 2 draws the scaled border" grep -qx "rect 0 0 1000 1000" "$work/ops.txt"
printf '[{"button":"helix"},{"scroll":{"bar":1014,"code":5,"pos":45}},{"press":[0,0]},{"move":[90,40]}]' >"$work/flat.json"
expect_status 0 "flat script" --script "$work/flat.json" --flat "${out[@]}" --ops "$work/script.txt"
check "the flat script draws the flat picture of its last angle" \
  cmp -s "$work/turned.txt" "$work/script.txt"
check "the flat script prints the final state" grep -q '"angleDeg":45' "$logs/stdout"
expect_status 2 "--flat without a figure" --flat "${out[@]}"
expect_status 2 "--flat with no figure" --figure none --flat "${out[@]}"
printf '[{"scroll":{"bar":1014,"code":1}}]' >"$work/nofigure.json"
expect_status 2 "--flat with a script that chooses no figure" --script "$work/nofigure.json" --flat "${out[@]}"
check "no state printed for a flat script without a figure" test ! -s "$logs/stdout"
rm -f "$work"/out.svg "$work"/out.pdf "$work"/turned.* "$work"/script.txt "$work"/*.json

# Failed writes: status 1, one line naming the file, nothing left behind.
expect_status 1 "/dev/full" --figure helix --out /dev/full
check "/dev/full is named" grep -q '/dev/full' "$logs/stderr"
check "/dev/full is still a device" test -c /dev/full
expect_status 1 "missing folder for --ops" --figure helix "${out[@]}" --ops "$work/missing/x.txt"
check "the reason is given" grep -q "$work/missing/x.txt: ." "$logs/stderr"
expect_status 1 "missing folder for --out" --figure helix --out "$work/missing/x.png" --ops "$work/ops.txt"
echo "earlier picture" >"$work/keep.png"
expect_status 1 "a failure keeps the earlier file" --figure helix --out "$work/keep.png" --ops /dev/full
check "the earlier file is unchanged" test "$(cat "$work/keep.png")" = "earlier picture"
if mkdir -p "$logs/full" && mount -t tmpfs -o size=8k tmpfs "$logs/full" 2>/dev/null; then
  (cd "$logs/full" && "$tool" --figure helix --zoom 100 --angle 89 --out a.png --ops a.txt 2>"$logs/stderr")
  check "full disk: status 1" test $? -eq 1
  check "full disk: the reason is given" grep -q 'a\.\(png\|txt\): No space left on device' "$logs/stderr"
  check "full disk: no file left" test -z "$(ls -A "$logs/full")"
  umount "$logs/full"
fi

# The same file named twice, whatever the spelling.
touch "$work/existing.png"
ln -s "$work/existing.png" "$work/link.png"
ln "$work/existing.png" "$work/hard.png"
expect_status 2 "--out F --ops F" --figure helix --out F.png --ops F.png
expect_status 2 "--out F --ops ./F" --figure helix --out F.png --ops ./F.png
expect_status 2 "--out F --ops dir/../F" --figure helix --out "$work/F.png" --ops "$work/missing/../F.png"
expect_status 2 "existing file and a symbolic link to it" --figure helix --out existing.png --ops link.png
expect_status 2 "existing file and a hard link to it" --figure helix --out existing.png --ops hard.png

# Scripts.
printf '[{"button":"conical"},{"scroll":{"bar":1014,"code":0}},{"press":[0,0]},{"move":[250,0]},{"release":[250,0]}]' >"$work/good.json"
expect_status 0 "script" --script "$work/good.json" "${out[@]}"
check "script state" grep -q '"angleDeg":59' "$logs/stdout"
check "script redraws" grep -q '"redraws":3' "$logs/stdout"
check "script label" grep -q '"label":"Ángulo = 59º"' "$logs/stdout"
expect_status 0 "script at a scale" --script "$work/good.json" --scale 2 "${out[@]}" --ops "$work/ops.txt"
check "script at a scale draws the scaled border" grep -qx "rect 0 0 1000 1000" "$work/ops.txt"
cp "$work/good.json" "$work/script-copy"
expect_status 2 "--script s --out s" --script good.json --out good.json
expect_status 2 "--script s --ops ./s" --script good.json "${out[@]}" --ops ./good.json
ln -s good.json "$work/script-link.json"
expect_status 2 "--script through a symbolic link" --script script-link.json --out good.png --ops good.json
check "the script is untouched" cmp -s "$work/good.json" "$work/script-copy"
expect_status 1 "script with a failing output" --script "$work/good.json" "${out[@]}" --ops "$work/missing/x.txt"
check "no state printed on failure" test ! -s "$logs/stdout"

bad_script() { # description json
  printf '%s' "$2" >"$work/bad.json"
  expect_status 2 "$1" --script "$work/bad.json" "${out[@]}"
  rm -f "$work/bad.json"
}
bad_script "wrong type in a script" '[{"button":"helix"},{"press":[1,"2"]}]'
check "error names action 1" grep -q 'acción 1' "$logs/stderr"
bad_script "malformed script" '[{"button":"helix"},'
bad_script "not an array" '{"button":"helix"}'
bad_script "scroll code 9" '[{"scroll":{"bar":1014,"code":9}}]'
bad_script "scroll code -1" '[{"scroll":{"bar":1014,"code":-1}}]'
bad_script "scroll code 1.5" '[{"scroll":{"bar":1014,"code":1.5}}]'
bad_script "scroll without a code" '[{"scroll":{"bar":1014}}]'
bad_script "unknown key in a scroll" '[{"scroll":{"bar":1014,"code":1,"speed":9}}]'
bad_script "two actions in one object" '[{"button":"helix","press":[0,0]}]'
bad_script "duplicate key in a scroll" '[{"scroll":{"bar":1014,"code":1,"code":2}}]'
bad_script "duplicate action key" '[{"button":"helix","button":"conical"}]'
bad_script "duplicate key spelled with an escape" '[{"scroll":{"bar":1014,"\u0062ar":1007,"code":1}}]'
check "duplicates are named" grep -q 'repite una clave' "$logs/stderr"
bad_script "button none" '[{"button":"none"}]'
bad_script "cursor beyond 32 bits" '[{"press":[2147483648,0]}]'
bad_script "cursor with three numbers" '[{"press":[1,2,3]}]'
expect_status 2 "empty --script" --script "" "${out[@]}"
expect_status 2 "script that is a folder" --script "$work" "${out[@]}"
expect_status 2 "missing script" --script "$work/none.json" "${out[@]}"
expect_status 2 "script with view options" --script "$work/good.json" --figure helix "${out[@]}"

# Limits: 16 MiB and a million actions; an endless file is not read whole.
start=$(date +%s)
expect_status 2 "/dev/zero as a script" --script /dev/zero "${out[@]}"
check "/dev/zero is refused at once" test $(($(date +%s) - start)) -lt 10
truncate -s $((16 * 1024 * 1024 + 1)) "$work/big.json"
expect_status 2 "script over 16 MiB" --script "$work/big.json" "${out[@]}"
check "the size limit is named" grep -q '16777216' "$logs/stderr"
rm -f "$work/big.json"
{ printf '['; head -c $((1000000 * 3)) /dev/zero | tr '\0' '0' | sed 's/000/{},/g'; printf '{}]'; } >"$work/many.json"
expect_status 2 "script of more than a million actions" --script "$work/many.json" "${out[@]}"
check "the action limit is named" grep -q '1000000' "$logs/stderr"
rm -f "$work/many.json"

echo "snapshot command line: $((checks - failures)) passed, $failures failed"
[ "$failures" -eq 0 ]
