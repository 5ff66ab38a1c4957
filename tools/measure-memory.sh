#!/usr/bin/env bash
# Peak resident memory of the program after opening each figure and both
# dialogs, driven as a person would under a virtual X display.
# Needs: xvfb, xdotool, GNU time (apt-get install xvfb xdotool time).
set -euo pipefail
cd "$(dirname "$0")/.."
display=:97
Xvfb "$display" -screen 0 1280x800x24 >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true' EXIT
sleep 1
export DISPLAY=$display
report=$(mktemp)
/usr/bin/time -v -o "$report" ./build/torsiva &
sleep 2
window=$(xdotool search --name '^Torsiva$' | head -n 1)
click() { xdotool mousemove --window "$window" "$1" "$2" click 1; sleep 0.4; }
click 74 45   # Hélice
click 74 71   # Hélice cónica
click 74 97   # Hélice esférica
xdotool mousemove --window "$window" 400 260 mousedown 1 mousemove --window "$window" 520 300 mouseup 1
sleep 0.4
click 75 175  # Instrucciones, closed with Escape
xdotool key Escape; sleep 0.4
click 75 213  # Sobre Torsiva, closed with Escape
xdotool key Escape; sleep 0.4
click 75 252  # Cerrar
wait %2 2>/dev/null || true
sleep 0.5
grep -E 'Maximum resident set size' "$report"
rm -f "$report"
