// SPDX-License-Identifier: MIT
// The fuzzers' reused canvas must give every redraw the very picture a fresh
// canvas gives, or a fuzzer would test pictures the program never makes.
#include <cstring>
#include <random>

#include "fuzz/erasing_canvas.h"
#include "render/draw_figure.h"
#include "test_support.h"

TEST(ErasingCanvasTest, EveryRedrawEqualsOneOnAFreshCanvas)
{
    std::mt19937 random(7);
    std::uniform_real_distribution<double> coordinate(-300.0, 300.0);
    ErasingCanvas reused;
    FigureCache figures;
    for (int redraw = 0; redraw < 60; ++redraw) {
        ViewState view = DefaultView(CurveKind(redraw % 4), 2 + redraw % 88);
        view.eye = {coordinate(random), coordinate(random), coordinate(random)};
        view.zoom = redraw % 3 == 0 ? 100.0 : 50.0;
        UpdateViewFrame(view);
        ComposeFigure(reused, figures, view);
        Canvas fresh;
        FigureCache freshFigures;
        ComposeFigure(fresh, freshFigures, view);
        ASSERT_EQ(std::memcmp(reused.Bits(), fresh.Bits(),
                              sizeof(uint32_t) * size_t(kCanvasWidth) * kCanvasHeight),
                  0)
            << "redraw " << redraw;
    }
}
