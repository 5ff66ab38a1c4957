// SPDX-License-Identifier: MIT
// The angle at a point: the redraw with the mark on, beside the plain one;
// one animation frame through the real dialog, both pictures with the mark
// and its text painted; and the frames of a whole 12-second run.
#include <algorithm>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>

#include <QAction>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTest>

#include "bench_support.h"
#include "controls/control_ids.h"
#include "controls/picture_layout.h"
#include "controls/point_controls.h"
#include "geometry/view_frame.h"
#include "render/angle_mark.h"
#include "render/draw_figure.h"
#include "render/kept_canvas.h"
#include "scaled_run.h"
#include "ui/figure_dialog.h"
#include "ui/flat_picture_area.h"
#include "ui/picture_area.h"

namespace {

// The window's redraw with the mark on, the point moving at every one as
// the animation moves it: the figure, then the mark projected and drawn.
void BM_AngleMark(benchmark::State& state, CurveKind figure, int angle, double scale)
{
    ViewState view = ButtonView(figure, angle);
    const PictureMapping mapping{scale, LineStyle::Exact};
    KeptCanvas canvas(Canvas::ForPicture(PictureSide(scale)));
    FigureCache figures;
    PointControls point;
    point.SetOn(true);
    point.Follow(view);
    int frame = 0;
    for (auto _ : state) {
        point.MoveTo(point.AnimatedParameter(frame++ * kAnimationSeconds / 720));
        UpdateViewFrame(view);
        ComposeFigure(canvas, figures, view, mapping);
        DrawAngleMark(canvas, ProjectMark(MarkInSpace(point.Curve(), point.Parameter()), view),
                      mapping);
        benchmark::DoNotOptimize(canvas.Bits());
    }
}

// The dialog with the flat picture beside the figure, the mark on, the
// helix at 89°.
struct MarkedDialog {
    CFigureDlg dialog;

    bool Open()
    {
        dialog.show();
        if (!QTest::qWaitForWindowExposed(&dialog))
            return false;
        dialog.ShowFlatPicture(true);
        dialog.resize(PictureLayout::kInitialClientWidth + kPictureSize + kFlatPictureGap,
                      PictureLayout::kInitialClientHeight);
        dialog.OnHelix();
        dialog.Controls().OnVScroll(kThumbPosition, 89, ControlId::kBarA);
        dialog.ShowPoint(true);
        return true;
    }
    // What the screen gets: both pictures painted, the text over them.
    void Paint()
    {
        dialog.Picture()->repaint();
        dialog.FlatPicture()->repaint();
    }
};

// One frame: the point moved, both pictures composed with the mark, and
// painted with the text. The frames come as the timer would bring them.
void BM_AnimationFrame(benchmark::State& state)
{
    MarkedDialog marked;
    if (!marked.Open()) {
        state.SkipWithError("the dialog was not exposed");
        return;
    }
    marked.dialog.AnimateAction()->setChecked(true);
    for (auto _ : state) {
        marked.dialog.AnimationFrame();
        marked.Paint();
    }
    marked.dialog.AnimateAction()->setChecked(false);
    state.counters["picture_scale"] = marked.dialog.Picture()->Scale();
}

double Percentile(std::vector<double> values, double fraction)
{
    if (values.empty())
        return 0.0;
    std::sort(values.begin(), values.end());
    return values[std::min(values.size() - 1, size_t(fraction * double(values.size())))];
}

// The times at which a widget is painted.
class PaintClock : public QObject {
public:
    explicit PaintClock(QElapsedTimer& clock) : m_clock(clock) {}
    std::vector<double> times; // milliseconds

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            times.push_back(m_clock.nsecsElapsed() * 1e-6);
        return QObject::eventFilter(watched, event);
    }

private:
    QElapsedTimer& m_clock;
};

// A whole run of the animation under its own timer and the event loop, 12
// seconds: the time between the figure's paints, as counters in
// milliseconds.
void BM_AnimationRun(benchmark::State& state)
{
    MarkedDialog marked;
    if (!marked.Open()) {
        state.SkipWithError("the dialog was not exposed");
        return;
    }
    QElapsedTimer clock;
    PaintClock paints(clock);
    marked.dialog.Picture()->installEventFilter(&paints);
    for (auto _ : state) {
        clock.start();
        marked.dialog.AnimateAction()->setChecked(true);
        while (clock.elapsed() < 12000)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
        marked.dialog.AnimateAction()->setChecked(false);
    }
    std::vector<double> intervals;
    for (size_t i = 1; i < paints.times.size(); ++i)
        intervals.push_back(paints.times[i] - paints.times[i - 1]);
    state.counters["frames"] = double(paints.times.size());
    state.counters["interval_median_ms"] = Percentile(intervals, 0.5);
    state.counters["interval_p95_ms"] = Percentile(intervals, 0.95);
    state.counters["interval_max_ms"] = Percentile(intervals, 1.0);
}

struct Registrar {
    Registrar()
    {
        for (const FigureName& figure : DrawnFigures())
            for (double scale : {1.0, 2.0})
                benchmark::RegisterBenchmark(
                    ScaledName("AngleMark", figure.name, 89, scale).c_str(), BM_AngleMark,
                    figure.kind, 89, scale)
                    ->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark("AnimationFrame/helix/89", BM_AnimationFrame)
            ->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark("AnimationFrame/helix/89/scale:2", BM_AtScaleFactor, "2",
                                     "AnimationFrame/helix/89")
            ->UseManualTime()
            ->Iterations(1)
            ->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark("AnimationRun/helix/89", BM_AnimationRun)
            ->Iterations(1)
            ->Unit(benchmark::kMillisecond);
    }
} registrar;

} // namespace
