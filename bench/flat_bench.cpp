// SPDX-License-Identifier: MIT
// The flat picture: one redraw of it on the canvas kept from the last one,
// as the window draws it after an angle step, and the development that a new
// figure or angle builds first.
#include <benchmark/benchmark.h>

#include "bench_support.h"
#include "render/flat_picture.h"
#include "render/kept_canvas.h"

namespace {

// The pieces are built once; each iteration composes them again on the
// kept canvas, the whole redraw the window makes for a new angle but the
// build.
void BM_FlatDraw(benchmark::State& state, CurveKind figure, int angle, double scale)
{
    const PictureMapping mapping{scale, LineStyle::Exact};
    KeptCanvas canvas(Canvas::ForPicture(PictureSide(scale)));
    FlatCache cache;
    ComposeFlatPicture(canvas, cache, figure, angle, mapping);
    for (auto _ : state) {
        ComposeFlatPicture(canvas, cache, figure, angle, mapping);
        benchmark::DoNotOptimize(canvas.Bits());
    }
}

// The figure's model, its development and the cuts, once per new angle.
void BM_FlatBuild(benchmark::State& state, CurveKind figure, int angle)
{
    for (auto _ : state) {
        FlatFigure flat = MakeFlatFigure(figure, angle);
        benchmark::DoNotOptimize(flat.paths.x.data());
    }
}

struct Registrar {
    Registrar()
    {
        for (const FigureName& figure : DrawnFigures())
            for (int angle : {2, 60, 89}) {
                for (double scale : {1.0, 4.0})
                    benchmark::RegisterBenchmark(
                        ScaledName("FlatDraw", figure.name, angle, scale).c_str(), BM_FlatDraw,
                        figure.kind, angle, scale)
                        ->Unit(benchmark::kMicrosecond);
                benchmark::RegisterBenchmark(
                    ScaledName("FlatBuild", figure.name, angle, 1.0).c_str(), BM_FlatBuild,
                    figure.kind, angle)
                    ->Unit(benchmark::kMicrosecond);
            }
    }
} registrar;

} // namespace
