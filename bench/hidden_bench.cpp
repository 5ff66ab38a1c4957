// SPDX-License-Identifier: MIT
// The redraw with the hidden parts shown: the split for the eye, the
// contour and the dashes on top of the plain redraw's work, on the canvas
// kept from the last redraw as the window keeps it.
#include <benchmark/benchmark.h>

#include "bench_support.h"
#include "controls/recorded_panel.h"
#include "controls/view_controls.h"
#include "geometry/view_frame.h"
#include "render/draw_figure.h"
#include "render/kept_canvas.h"

namespace {

void BM_HiddenDraw(benchmark::State& state, CurveKind figure, int angle, double scale)
{
    ViewState view = ButtonView(figure, angle);
    view.hiddenParts = true;
    KeptCanvas canvas(Canvas::ForPicture(PictureSide(scale)));
    FigureCache figures;
    for (auto _ : state) {
        UpdateViewFrame(view);
        ComposeFigure(canvas, figures, view, PictureMapping{scale, LineStyle::Exact});
        benchmark::DoNotOptimize(canvas.Bits());
    }
}

// A drag step of the helix at 89° through the view controls, each step
// splitting the figure again for the eye it moved.
void BM_HiddenDragStep(benchmark::State& state, double scale)
{
    KeptCanvas canvas(Canvas::ForPicture(PictureSide(scale)));
    FigureCache figures;
    RecordedPanel panel([&](const ViewState& view) {
        ComposeFigure(canvas, figures, view, PictureMapping{scale, LineStyle::Exact});
        benchmark::DoNotOptimize(canvas.Bits());
    });
    ViewControls controls(panel);
    controls.SetHiddenParts(true);
    controls.OnCurveButton(CurveKind::Helix);
    controls.SetBarValue(Bar::A, 89);
    controls.OnLButtonDown({0, 0});
    int x = 0;
    for (auto _ : state) {
        x = (x + 3) % 1000; // small steps, as a hand makes them
        controls.OnMouseMove({x, x / 2});
    }
}

struct Registrar {
    Registrar()
    {
        for (const FigureName& figure : DrawnFigures())
            for (int angle : {2, 60, 89})
                for (double scale : {1.0, 4.0})
                    benchmark::RegisterBenchmark(
                        ScaledName("HiddenDraw", figure.name, angle, scale).c_str(), BM_HiddenDraw,
                        figure.kind, angle, scale)
                        ->Unit(benchmark::kMicrosecond);
        for (double scale : {1.0, 2.0})
            benchmark::RegisterBenchmark(ScaledName("HiddenDragStep", "helix", 89, scale).c_str(),
                                         BM_HiddenDragStep, scale)
                ->Unit(benchmark::kMicrosecond);
    }
} registrar;

} // namespace
