// SPDX-License-Identifier: MIT
// A long classroom session compressed: one million drag steps of random
// directions and lengths, with a P-bar action every thousand, through the
// real view controls and the real redraw. Reports how far the eye's distance
// drifts from the one the P bar set, and the time per step.
#include <chrono>
#include <cmath>
#include <random>

#include <benchmark/benchmark.h>

#include "controls/control_ids.h"
#include "controls/recorded_panel.h"
#include "controls/view_controls.h"
#include "render/draw_figure.h"

namespace {

constexpr int kSteps = 1000000;
constexpr int kStepsPerEyeAction = 1000;
constexpr double kDriftLimit = 1e-9;

// Mostly small moves of a hand, now and then a sweep across the screen.
ScreenPoint NextCursor(std::mt19937& random, ScreenPoint cursor)
{
    std::uniform_real_distribution<double> angle(0.0, 2 * M_PI);
    const double length = std::uniform_int_distribution<int>(0, 99)(random) < 95
                              ? std::uniform_real_distribution<double>(0.0, 12.0)(random)
                              : std::uniform_real_distribution<double>(12.0, 900.0)(random);
    const double direction = angle(random);
    return {cursor.x + int(std::lround(length * std::cos(direction))),
            cursor.y + int(std::lround(length * std::sin(direction)))};
}

void EyeAction(std::mt19937& random, ViewControls& controls)
{
    const unsigned codes[] = {kLineUp, kLineDown, kThumbPosition};
    const unsigned code = codes[std::uniform_int_distribution<int>(0, 2)(random)];
    controls.OnVScroll(code, std::uniform_int_distribution<int>(20, 300)(random), ControlId::kBarP);
}

void BM_Soak(benchmark::State& state)
{
    for (auto _ : state) {
        FigureCache figures;
        RecordedPanel panel([&figures](const ViewState& view) {
            Canvas canvas = Canvas::ForRedraw();
            ComposeFigure(canvas, figures, view);
        });
        ViewControls controls(panel);
        controls.OnCurveButton(CurveKind::SphericalHelix);
        std::mt19937 random(20261208);
        ScreenPoint cursor{640, 400};
        controls.OnLButtonDown(cursor);
        double distance = Length(controls.State().eye);
        double maxDrift = 0.0;
        const auto start = std::chrono::steady_clock::now();
        for (int step = 1; step <= kSteps; ++step) {
            cursor = NextCursor(random, cursor);
            controls.OnMouseMove(cursor);
            maxDrift =
                std::max(maxDrift, std::abs(Length(controls.State().eye) - distance) / distance);
            if (step % kStepsPerEyeAction == 0) {
                EyeAction(random, controls);
                distance = Length(controls.State().eye);
            }
        }
        const std::chrono::duration<double, std::micro> elapsed =
            std::chrono::steady_clock::now() - start;
        state.counters["max_relative_drift"] = maxDrift;
        state.counters["us_per_step"] = elapsed.count() / kSteps;
        if (!(maxDrift < kDriftLimit))
            state.SkipWithError("the eye drifted off its distance");
    }
}

BENCHMARK(BM_Soak)->Name("Soak/spherical/1000000")->Iterations(1)->Unit(benchmark::kSecond);

} // namespace
