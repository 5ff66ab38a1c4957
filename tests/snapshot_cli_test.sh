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
  elif [ "$expected" -eq 0 ]; then
    [ ! -s "$logs/stderr" ] || fail "$description: printed on stderr: $(cat "$logs/stderr")"
  else
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
# The tool never needs a display, whatever platform the environment names.
for platform in "QT_QPA_PLATFORM=xcb DISPLAY=" "QT_QPA_PLATFORM=xcb DISPLAY=:65535" "QT_QPA_PLATFORM=bogus"; do
  checks=$((checks + 1))
  rm -f "$work/out.pdf"
  # shellcheck disable=SC2086 # the words are the variables
  env -u DISPLAY $platform "$tool" --figure spherical --out "$work/out.pdf" 2>"$logs/stderr"
  status=$?
  [ "$status" -eq 0 ] && [ "$(head -c 5 "$work/out.pdf")" = "%PDF-" ] ||
    fail "PDF with $platform: status $status, $(cat "$logs/stderr")"
done
rm -f "$work/out.svg" "$work/out.pdf"
for help in --help -h --version; do
  expect_status 0 "$help" "$help"
  check "$help prints to stdout" test -s "$logs/stdout"
done
"$tool" --help | grep -q -- '--script' || fail "--help lists the options"
# One language: Qt's own lines of the help are Spanish too, when Qt's Spanish
# is installed, and our help entry is ours.
"$tool" --help >"$logs/stdout"
check "--help has no English line of Qt's" bash -c "! grep -q 'Displays\|help-all' '$logs/stdout'"
if [ -f "$(qtpaths6 --query QT_INSTALL_TRANSLATIONS 2>/dev/null)/qtbase_es.qm" ]; then
  check "--help has Qt's headings in Spanish" grep -q '^Opciones:' "$logs/stdout"
fi
# Nothing on stderr when all goes well, whatever the environment lacks.
checks=$((checks + 1))
env -u XDG_RUNTIME_DIR "$tool" --figure helix --out "$work/quiet.pdf" 2>"$logs/stderr" &&
  [ ! -s "$logs/stderr" ] || fail "a PDF without XDG_RUNTIME_DIR: $(cat "$logs/stderr")"
rm -f "$work/quiet.pdf"
# A standard output that cannot be written is a failure, said on stderr.
for request in --help --version; do
  checks=$((checks + 1))
  "$tool" "$request" >/dev/full 2>"$logs/stderr"
  status=$?
  [ "$status" -eq 1 ] && [ "$(grep -c '^torsiva-snapshot: .*salida estándar' "$logs/stderr")" -eq 1 ] ||
    fail "$request >/dev/full: status $status, $(cat "$logs/stderr")"
done
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
# Bounds and whole numbers are judged on the digits as written, not after
# they are rounded to a double.
for bad in 88.99999999999999999 30.0 3e1 89.00000000000000001; do
  expect_status 2 "--angle '$bad' is no whole number" --figure helix --angle "$bad" "${out[@]}"
done
for good in +30 -0 089; do
  expect_status 0 "--angle '$good'" --figure helix --angle "$good" "${out[@]}"
done
expect_status 2 "--scale just above 16" --figure helix --scale 16.000000000000000001 "${out[@]}"
expect_status 2 "--scale just below 0.25" --figure helix --scale 0.2499999999999999999999 "${out[@]}"
expect_status 0 "--scale 0.25 as 2.5e-1" --figure helix --scale 2.5e-1 "${out[@]}"
expect_status 2 "--zoom just above 100" --figure helix --zoom 100.0000000000000000001 "${out[@]}"
expect_status 2 "--zoom just below 0" --figure helix --zoom -0.0000000000000000001 "${out[@]}"
expect_status 0 "--zoom 100 as 1e2" --figure helix --zoom 1e2 "${out[@]}"
expect_status 2 "a picture without --figure" "${out[@]}"
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
# The vector formats are drawn from the view: at scale 16 they make no
# canvas of 8000 × 8000 pixels (256 MB), and their operations are the PNG's.
"$tool" --figure helix --scale 3 --out "$work/scaled.png" --ops "$work/png.txt"
for vector in svg pdf; do
  "$tool" --figure helix --scale 3 --out "$work/scaled.$vector" --ops "$work/$vector.txt"
  check "--scale 3 .$vector logs the PNG's operations" cmp -s "$work/png.txt" "$work/$vector.txt"
  if [ -x /usr/bin/time ]; then
    /usr/bin/time -f %M -o "$logs/peak" "$tool" --figure helix --scale 16 --out "$work/big.$vector"
    check "--scale 16 .$vector needs no canvas: $(cat "$logs/peak") kB" test "$(cat "$logs/peak")" -lt 131072
  fi
done
rm -f "$work"/scaled.* "$work"/png.txt "$work"/svg.txt "$work"/pdf.txt "$work"/big.*

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

# The hidden parts: the contour between the wires and the curve, the hidden
# curve dashed at the scale's pattern, in every format and after a script.
expect_status 0 "hidden helix" --figure helix --hidden "${out[@]}" --ops "$work/hidden.txt"
check "hidden ops: wires, contour, curve, its hidden pieces" \
  test "$(grep '^pen' "$work/hidden.txt" | uniq | head -n 6 | tr '\n' ';')" = "pen border;pen curve;pen wire;pen contour;pen curve;pen curve hidden;"
check "hidden pieces are dashed 4 on, 4 off" grep -qx "dashes 4 4 0" "$work/hidden.txt"
check "and drawn as dashes" grep -q "^dash " "$work/hidden.txt"
"$tool" --figure helix "${out[@]}" --ops "$work/ops.txt"
check "without --hidden nothing is dashed" test "$(grep -c '^dash' "$work/ops.txt")" = 0
expect_status 0 "hidden at scale 2" --figure spherical --hidden --scale 2 "${out[@]}" --ops "$work/ops.txt"
check "at scale 2 the dashes are twice as long" grep -qx "dashes 8 8 0" "$work/ops.txt"
expect_status 0 "hidden SVG" --figure conical --hidden --out "$work/out.svg"
check "the SVG names the hidden curve and dashes it" \
  grep -q '<polyline class="curve hidden" points="[^"]*" fill="none" stroke="rgb(0,0,255)" stroke-width="1" vector-effect="non-scaling-stroke" stroke-dasharray="4 4"/>' "$work/out.svg"
check "the SVG names the contour" grep -q '<polyline class="contour" points="' "$work/out.svg"
check "the SVG names the seen curve and wires" grep -q '<polyline class="wire" points="' "$work/out.svg"
expect_status 0 "hidden PDF" --figure conical --hidden --out "$work/out.pdf"
check "the hidden PDF starts as a PDF" test "$(head -c 5 "$work/out.pdf")" = "%PDF-"
printf '[{"button":"helix"}]' >"$work/hidden.json"
expect_status 0 "hidden script" --script "$work/hidden.json" --hidden "${out[@]}" --ops "$work/script.txt"
check "a script draws the hidden parts as the view does" cmp -s "$work/hidden.txt" "$work/script.txt"
rm -f "$work"/out.svg "$work"/out.pdf "$work"/hidden.* "$work"/script.txt
# The angle at a point: the mark after the figure, in its own pen, in every
# format; a point off the drawn curve, not finite or without a figure is
# refused.
expect_status 0 "point on the helix" --figure helix --point 0.5 "${out[@]}" --ops "$work/ops.txt"
check "the mark comes after the curve" \
  test "$(grep '^pen ' "$work/ops.txt" | tail -2 | tr '\n' ' ')" = "pen curve pen mark "
"$tool" --figure helix --out "$work/plain.png" --ops "$work/plain.txt"
check "the mark only adds to the figure's operations" \
  cmp -s "$work/plain.txt" <(head -n "$(wc -l <"$work/plain.txt")" "$work/ops.txt")
expect_status 0 "point SVG" --figure spherical --angle 30 --point 1.5 --out "$work/out.svg"
check "the SVG holds the mark" grep -q '<g class="angle-mark"' "$work/out.svg"
check "the SVG's text is the angle" grep -q '>30,0º</text>' "$work/out.svg"
expect_status 0 "flat point SVG" --figure conical --flat --point 2 --out "$work/out.svg"
check "the flat mark is inside the flat group" \
  grep -q '<g id="flat"' <(sed -n '/<g id="flat"/,$p' "$work/out.svg" | grep -B1000 'angle-mark')
expect_status 0 "point PDF" --figure conical --point 2 --out "$work/out.pdf"
check "the point PDF starts as a PDF" test "$(head -c 5 "$work/out.pdf")" = "%PDF-"
expect_status 0 "point at the helix's end" --figure helix --angle 60 --point 8.2 "${out[@]}"
expect_status 2 "point past the helix's end" --figure helix --angle 60 --point 8.3 "${out[@]}"
expect_status 2 "point at the pole" --figure spherical --point 0 "${out[@]}"
expect_status 2 "point at θ = π" --figure spherical --point 3.141592653589793 "${out[@]}"
expect_status 2 "point at the cone's apex" --figure conical --angle 2 --point -78.4 "${out[@]}"
expect_status 2 "huge point" --figure conical --point 1e300 "${out[@]}"
expect_status 2 "point not a number" --figure helix --point nan "${out[@]}"
expect_status 2 "point without a figure" --figure none --point 0 "${out[@]}"
expect_status 2 "point twice" --figure helix --point 0 --point 1 "${out[@]}"
printf '[{"button":"spherical"}]' >"$work/sphere.json"
expect_status 0 "point after a script" --script "$work/sphere.json" --point 1 "${out[@]}" --ops "$work/ops.txt"
check "the script's mark is drawn" grep -qx "pen mark" "$work/ops.txt"
expect_status 2 "point off the script's curve" --script "$work/sphere.json" --point 4 "${out[@]}"
rm -f "$work"/out.svg "$work"/out.pdf "$work"/plain.* "$work"/*.json

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

# Chains of symbolic links are followed to their ends, dangling ones too: an
# output is written where its chain ends, and the link stays a link.
ln -s mid.lnk "$work/two.png"
ln -s ops-target.txt "$work/mid.lnk"
expect_status 2 "a chain of two links to the other output" --figure helix --out two.png --ops ops-target.txt
check "the chain's end was not made" test ! -e "$work/ops-target.txt"
expect_status 0 "writing through a chain of links" --figure helix --out two.png
check "the picture is at the chain's end" cmp -s <(head -c 8 "$work/ops-target.txt") <(printf '\x89PNG\r\n\x1a\n')
check "the link is still a link" test -L "$work/two.png"
rm -f "$work/two.png" "$work/mid.lnk" "$work/ops-target.txt"
ln -s end.png "$work/link0"
for i in $(seq 1 40); do ln -s "link$((i - 1))" "$work/link$i"; done
expect_status 0 "a chain of 40 links" --figure helix --out link39
check "40 links lead to the end" test -f "$work/end.png"
expect_status 2 "a chain of 41 links" --figure helix --out link40
check "41 links are refused as such" grep -q 'link40: .*40 enlaces' "$logs/stderr"
ln -s loop-b "$work/loop-a"
ln -s loop-a "$work/loop-b"
expect_status 2 "a loop of links" --figure helix "${out[@]}" --ops loop-a
rm -f "$work"/link* "$work/end.png" "$work"/loop-*

# Names are the system's bytes, UTF-8 or not.
expect_status 0 "a name that is not UTF-8" --figure helix --out $'\xff\xfe.png'
check "the file has exactly that name" test -f "$work/"$'\xff\xfe.png'
expect_status 0 "two names that differ only in bytes that are not UTF-8" --figure helix \
  --out $'a\xff.png' --ops $'a\xfe.txt'
check "both files are there" test -f "$work/"$'a\xff.png' -a -f "$work/"$'a\xfe.txt'
expect_status 2 "one name that is not UTF-8, twice" --figure helix --out $'\xff.png' --ops $'\xff.png'
check "the name is shown byte for byte" grep -q 'mismo archivo: \\xFF\.png' "$logs/stderr"
printf '[{"button":"helix"}]' >"$work/"$'s\xff.json'
expect_status 0 "a script whose name is not UTF-8" --script $'s\xff.json' "${out[@]}"
rm -f "$work/"$'\xff\xfe.png' "$work/"$'a\xff.png' "$work/"$'a\xfe.txt' "$work/"$'s\xff.json'
chmod 600 "$work/existing.png"
expect_status 0 "a replaced file keeps its mode" --figure helix --out existing.png
check "the mode is kept" test "$(stat -c %a "$work/existing.png")" = 600

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
checks=$((checks + 1))
(cd "$work" && "$tool" --script good.json "${out[@]}" >/dev/full 2>"$logs/stderr")
[ $? -eq 1 ] && grep -q 'salida estándar' "$logs/stderr" || fail "script state to /dev/full: $(cat "$logs/stderr")"

bad_script() { # description json
  printf '%s' "$2" >"$work/bad.json"
  expect_status 2 "$1" --script "$work/bad.json" "${out[@]}"
  rm -f "$work/bad.json"
}
bad_script "wrong type in a script" '[{"button":"helix"},{"press":[1,"2"]}]'
check "error names action 1" grep -q 'acción 1' "$logs/stderr"
bad_script "malformed script" '[{"button":"helix"},'
bad_script "not an array" '{"button":"helix"}'
check "not an array: said in our words alone" grep -qx 'torsiva-snapshot: .*/bad.json: no es una lista JSON de acciones' "$logs/stderr"
bad_script "brackets nested deeper than any action" "$(head -c 100000 /dev/zero | tr '\0' '[')"
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
{ printf '['; head -c $((1000000 * 3)) /dev/zero | tr '\0' '0' | sed 's/000/{"move":[0,0]},/g'; printf '{"move":[0,0]}]'; } >"$work/many.json"
expect_status 2 "script of more than a million actions" --script "$work/many.json" "${out[@]}"
check "the action limit is named" grep -q '1000000' "$logs/stderr"
rm -f "$work/many.json"

echo "snapshot command line: $((checks - failures)) passed, $failures failed"
[ "$failures" -eq 0 ]
