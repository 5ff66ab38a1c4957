#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs the benchmark suite and prints its medians as a Markdown table, with
# the ratio of the QPainter reference to our redraw for the same figure and
# scale (SmoothReference to SmoothDraw for the smooth lines).
# Usage: bash tools/perf-table.sh [repetitions]   (after tools/build.sh)
set -euo pipefail
cd "$(dirname "$0")/.."
repetitions=${1:-9}
./build/torsiva-bench --benchmark_filter='^(DrawFigure|Rasterise|DragStep|ScrollStep|CurveButton|DialogDragStep|QPainterReference|SmoothDraw|SmoothReference|FlatDraw|FlatBuild)/' \
  --benchmark_repetitions="$repetitions" --benchmark_report_aggregates_only=true \
  --benchmark_format=console 2>/dev/null |
  awk '/_median/ {
         name = $1; sub(/_median$/, "", name); sub(/\/iterations:1\/manual_time$/, "", name)
         value = $2; unit = $3
         if (unit == "ns") value /= 1000; if (unit == "ms") value *= 1000
         order[++n] = name; median[name] = value
       }
       END {
         print "| benchmark | median (µs) | QPainter ÷ ours |"
         print "|---|---:|---:|"
         for (i = 1; i <= n; ++i) {
           name = order[i]; ratio = ""
           reference = ""
           if (name ~ /^DrawFigure\//) { reference = name; sub(/^DrawFigure/, "QPainterReference", reference) }
           if (name ~ /^SmoothDraw\//) { reference = name; sub(/^SmoothDraw/, "SmoothReference", reference) }
           if (reference in median) ratio = sprintf("%.1f", median[reference] / median[name])
           printf "| %s | %.1f | %s |\n", name, median[name], ratio
         }
       }'
