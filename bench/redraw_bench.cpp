// SPDX-License-Identifier: MIT
// The redraw and the actions that end in one, without a window.
#include <string>

#include <benchmark/benchmark.h>

#include "bench_support.h"
#include "controls/control_ids.h"
#include "controls/recorded_panel.h"
#include "controls/view_controls.h"
#include "geometry/view_frame.h"
#include "render/draw_figure.h"
#include "render/flat_picture.h"
#include "render/kept_canvas.h"
#include "render/kept_flat_picture.h"

namespace {

// The redraw as the window makes it: on the canvas kept from the last one.
struct KeptPicture {
    double scale = 1.0;
    LineStyle lines = LineStyle::Exact;
    KeptCanvas canvas{Canvas::ForPicture(PictureSide(scale))};
    FigureCache figures;

    void Draw(const ViewState& view)
    {
        ComposeFigure(canvas, figures, view, PictureMapping{scale, lines});
        benchmark::DoNotOptimize(canvas.Bits());
    }
};

// Only the rasteriser: the polylines of one redraw replayed on a canvas.
void BM_Rasterise(benchmark::State& state, CurveKind figure, int angle)
{
    const std::vector<PixelPolyline> polylines = RecordPolylines(ButtonView(figure, angle));
    Canvas canvas;
    for (auto _ : state) {
        for (const PixelPolyline& polyline : polylines) {
            canvas.SelectPen(polyline.curve ? kCurvePen : kWirePen);
            canvas.MoveTo(polyline.points[0].first, polyline.points[0].second);
            for (auto [x, y] : polyline.points)
                canvas.LineTo(x, y);
        }
        benchmark::DoNotOptimize(canvas.Bits());
    }
}

void BM_DrawFigure(benchmark::State& state, CurveKind figure, int angle, double scale,
                   LineStyle lines)
{
    // Each redraw rebuilds the frame first, as the controls' redraws do.
    ViewState view = ButtonView(figure, angle);
    KeptPicture picture{scale, lines, KeptCanvas(Canvas::ForPicture(PictureSide(scale))), {}};
    for (auto _ : state) {
        UpdateViewFrame(view);
        picture.Draw(view);
    }
}

// The view controls with a panel whose redraw is the real one, on a kept
// canvas; with `flat`, as the window redraws with the flat picture shown.
struct DrawingControls {
    bool flat = false;
    KeptPicture picture;
    KeptFlatPicture flatPicture;
    RecordedPanel panel{[this](const ViewState& view) {
        picture.Draw(view);
        if (flat)
            flatPicture.Show(view.curveKind, view.angleDeg, PictureMapping{});
    }};
    ViewControls controls{panel};

    // The helix at 89°, the densest picture.
    DrawingControls& DenseHelix()
    {
        controls.OnCurveButton(CurveKind::Helix);
        controls.OnVScroll(kThumbPosition, 89, ControlId::kBarA);
        return *this;
    }
};

void BM_DragStep(benchmark::State& state, bool flat)
{
    DrawingControls drawing;
    drawing.flat = flat;
    ViewControls& controls = drawing.DenseHelix().controls;
    controls.OnLButtonDown({0, 0});
    int x = 0;
    for (auto _ : state) {
        x = (x + 3) % 1000; // small steps, as a hand makes them
        controls.OnMouseMove({x, x / 2});
    }
}

void BM_ScrollStep(benchmark::State& state)
{
    DrawingControls drawing;
    ViewControls& controls = drawing.DenseHelix().controls;
    unsigned code = kLineUp;
    for (auto _ : state) {
        code = code == kLineUp ? kLineDown : kLineUp;
        controls.OnVScroll(code, 0, ControlId::kBarZ);
    }
}

void BM_CurveButton(benchmark::State& state)
{
    DrawingControls drawing;
    for (auto _ : state)
        drawing.DenseHelix();
}

struct Registrar {
    Registrar()
    {
        for (const FigureName& figure : DrawnFigures())
            for (int angle : {2, 60, 89}) {
                for (double scale : {1.0, 2.0, 4.0})
                    benchmark::RegisterBenchmark(
                        ScaledName("DrawFigure", figure.name, angle, scale).c_str(), BM_DrawFigure,
                        figure.kind, angle, scale, LineStyle::Exact)
                        ->Unit(benchmark::kMicrosecond);
                const std::string rasterise =
                    std::string("Rasterise/") + figure.name + "/" + std::to_string(angle);
                benchmark::RegisterBenchmark(rasterise.c_str(), BM_Rasterise, figure.kind, angle)
                    ->Unit(benchmark::kMicrosecond);
            }
        for (const FigureName& figure : DrawnFigures())
            benchmark::RegisterBenchmark(ScaledName("SmoothDraw", figure.name, 89, 2.0).c_str(),
                                         BM_DrawFigure, figure.kind, 89, 2.0, LineStyle::Smooth)
                ->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark("DragStep/helix/89", BM_DragStep, false)
            ->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark("DragStep/helix/89/flat", BM_DragStep, true)
            ->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark("ScrollStep/helix/89", BM_ScrollStep)
            ->Unit(benchmark::kMicrosecond);
        // Two redraws: the button's, then the thumb that brings the angle to 89.
        benchmark::RegisterBenchmark("CurveButton/helix/89", BM_CurveButton)
            ->Unit(benchmark::kMicrosecond);
    }
} registrar;

} // namespace
