// SPDX-License-Identifier: MIT
// A benchmark of the real window at another device pixel ratio. Qt reads the
// screen's scale factor once, when the application starts, so the benchmark
// `run` runs in a second torsiva-bench with QT_SCALE_FACTOR=`scaleFactor`,
// on an offscreen screen large enough for the window, and each iteration
// here takes the time it reports (register it with UseManualTime). It must
// report the scale it drew at as its "picture_scale" counter.
#pragma once

#include <benchmark/benchmark.h>

void BM_AtScaleFactor(benchmark::State& state, const char* scaleFactor, const char* run);
