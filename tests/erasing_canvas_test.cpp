// SPDX-License-Identifier: MIT
// The fuzzers' reused canvas must give every redraw the very picture a fresh
// canvas gives, or a fuzzer would test pictures the program never makes.
#include <cstring>
#include <random>

#include "fuzz/erasing_canvas.h"
#include "render/draw_figure.h"
#include "test_support.h"

using ErasingCanvasTest = ViewTest;

TEST_F(ErasingCanvasTest, EveryRedrawEqualsOneOnAFreshCanvas)
{
    std::mt19937 random(7);
    std::uniform_real_distribution<double> coordinate(-300.0, 300.0);
    ErasingCanvas reused;
    FigureCache figures;
    for (int redraw = 0; redraw < 60; ++redraw) {
        SetDefaultView(CurveKind(redraw % 4), 2 + redraw % 88);
        View().eye = {coordinate(random), coordinate(random), coordinate(random)};
        View().zoom = redraw % 3 == 0 ? 100.0 : 50.0;
        // Each redraw rebuilds the frame from the last one: both start alike.
        const ViewState view = View();
        ComposeFigure(reused, figures);
        View() = view;
        Canvas fresh;
        ComposeFigure(fresh);
        ASSERT_EQ(std::memcmp(reused.Bits(), fresh.Bits(),
                              sizeof(uint32_t) * size_t(kCanvasWidth) * kCanvasHeight),
                  0)
            << "redraw " << redraw;
    }
}
