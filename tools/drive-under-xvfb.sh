#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Starts a command that runs the program under a virtual X display and drives
# it as a person would: each figure, a drag, the Instructions and the About
# dialog (each closed with Escape), then "Cerrar". Returns the command's status.
# Needs: xvfb, xdotool.
#   bash tools/drive-under-xvfb.sh /usr/bin/time -v ./build/torsiva   # peak memory
#   bash tools/leak-check.sh                                          # leaks
set -euo pipefail
cd "$(dirname "$0")/.."
display=:97
Xvfb "$display" -screen 0 1280x800x24 >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true' EXIT
sleep 1
export DISPLAY=$display
"$@" &
program=$!
window=
for _ in $(seq 50); do
  window=$(xdotool search --name '^Torsiva$' 2>/dev/null | head -n 1) && [ -n "$window" ] && break
  sleep 0.2
done
[ -n "$window" ] || { echo "the Torsiva window did not appear" >&2; exit 1; }
click() { xdotool mousemove --window "$window" "$1" "$2" click 1; sleep 0.5; }
click 74 45  # Hélice
click 74 71  # Hélice cónica
click 74 97  # Hélice esférica
xdotool mousemove --window "$window" 400 260 mousedown 1 mousemove --window "$window" 450 300
sleep 0.3
xdotool mousemove --window "$window" 520 330 mouseup 1
click 75 175 # Instrucciones
xdotool key Escape
sleep 0.5
click 75 213 # Sobre Torsiva
xdotool key Escape
sleep 0.5
click 75 252 # Cerrar
wait "$program"
