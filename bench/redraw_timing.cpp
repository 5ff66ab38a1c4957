// SPDX-License-Identifier: MIT
// The whole redraw of the densest picture, the helix at 89° in the view its
// button leaves, timed by the standard clock alone, so that the same program
// runs natively and as WebAssembly under Node and the two can be compared:
// after a warm-up, each of 200 redraws on the kept canvas is timed, and the
// median is printed for scales 1 and 2, in microseconds, one a line.
//
// The warm-up lasts half a second: V8 optimises a module's functions on
// other threads, and on a machine of two cores that work, still running
// after the first few dozen redraws, slowed the timed ones by half in every
// other run.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "geometry/view_frame.h"
#include "render/draw_figure.h"
#include "render/kept_canvas.h"

namespace {

constexpr std::chrono::milliseconds kWarmUp{500};
constexpr int kTimed = 200;

void Redraw(KeptCanvas& canvas, FigureCache& figures, ViewState& view, double scale)
{
    UpdateViewFrame(view);
    ComposeFigure(canvas, figures, view, PictureMapping{scale});
}

double MedianRedraw(double scale)
{
    ViewState view = Framed(DefaultView(CurveKind::Helix, 89));
    KeptCanvas canvas{Canvas::ForPicture(PictureSide(scale))};
    FigureCache figures;
    // Each redraw is a call of its own, as each is on the page. A WebAssembly
    // engine starts a function in its quick baseline code and optimises it for
    // its later calls, never for the call that is running; a redraw that the
    // optimiser built into this loop would run as baseline code throughout,
    // which the page never does. A call through a pointer it cannot follow
    // stays a call.
    void (*volatile redraw)(KeptCanvas&, FigureCache&, ViewState&, double) = Redraw;
    const auto warm = std::chrono::steady_clock::now() + kWarmUp;
    while (std::chrono::steady_clock::now() < warm)
        redraw(canvas, figures, view, scale);
    std::vector<double> times;
    for (int i = 0; i < kTimed; ++i) {
        const auto start = std::chrono::steady_clock::now();
        redraw(canvas, figures, view, scale);
        const auto end = std::chrono::steady_clock::now();
        times.push_back(std::chrono::duration<double, std::micro>(end - start).count());
    }
    std::nth_element(times.begin(), times.begin() + kTimed / 2, times.end());
    return times[kTimed / 2];
}

} // namespace

int main()
{
    for (double scale : {1.0, 2.0})
        std::printf("DrawFigure/helix/89/scale:%g %.1f\n", scale, MedianRedraw(scale));
    return 0;
}
