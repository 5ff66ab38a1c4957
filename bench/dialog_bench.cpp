// SPDX-License-Identifier: MIT
// Through the real dialog on the offscreen platform: from the Qt event to the
// new picture painted in the window. And, in the same run, the same polylines
// drawn with QPainter, the reference our own rasteriser is measured against.
#include <string>

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QCursor>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QTest>

#include "bench_support.h"
#include "controls/control_ids.h"
#include "controls/picture_layout.h"
#include "render/draw_figure.h"
#include "scaled_run.h"
#include "ui/figure_dialog.h"
#include "ui/picture_area.h"

namespace {

// With `flat`, the flat picture stands beside the figure, the window wide
// enough for both at 500 pixels: a drag step must not draw it again.
void BM_DialogDragStep(benchmark::State& state, bool flat, bool hidden)
{
    CFigureDlg dialog;
    dialog.show();
    if (!QTest::qWaitForWindowExposed(&dialog)) {
        state.SkipWithError("the dialog was not exposed");
        return;
    }
    if (flat) {
        dialog.ShowFlatPicture(true);
        dialog.resize(PictureLayout::kInitialClientWidth + kPictureSize + kFlatPictureGap,
                      PictureLayout::kInitialClientHeight);
    }
    dialog.ShowHiddenParts(hidden);
    dialog.OnHelix();
    dialog.Controls().OnVScroll(kThumbPosition, 89, ControlId::kBarA);
    const QPoint start(300, 200);
    QTest::mousePress(&dialog, Qt::LeftButton, {}, start);
    int step = 0;
    for (auto _ : state) {
        step = (step + 1) % 200;
        const QPoint local = start + QPoint(step, step / 2);
        const QPoint global = dialog.mapToGlobal(local);
        QCursor::setPos(global);
        QMouseEvent move(QEvent::MouseMove, local, global, Qt::NoButton, Qt::LeftButton, {});
        QApplication::sendEvent(&dialog, &move);
    }
    QTest::mouseRelease(&dialog, Qt::LeftButton, {}, start);
    state.counters["picture_scale"] = dialog.Picture()->Scale();
}

void DrawReference(QImage& image, int side, const std::vector<PixelPolyline>& polylines)
{
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(Qt::white, 0));
    painter.setBrush(Qt::black);
    painter.drawRect(0, 0, side - 1, side - 1);
    const QPen wire(QColor(50, 50, 50), 0), curve(QColor(0, 0, 255), 0);
    QVector<QPoint> points;
    for (const PixelPolyline& polyline : polylines) {
        painter.setPen(polyline.curve ? curve : wire);
        points.clear();
        for (auto [x, y] : polyline.points)
            points.append(QPoint(x, y));
        painter.drawPolyline(points.constData(), int(points.size()));
    }
}

void BM_QPainterReference(benchmark::State& state, CurveKind figure, int angle, double scale)
{
    const std::vector<PixelPolyline> polylines = RecordPolylines(ButtonView(figure, angle), scale);
    const int side = PictureSide(scale);
    QImage image(side, side + kRowsBelowPicture, QImage::Format_RGB32);
    for (auto _ : state) {
        DrawReference(image, side, polylines);
        benchmark::DoNotOptimize(image.constBits());
    }
}

// Smooth lines drawn by QPainter with anti-aliasing, on a cleared picture:
// what our own smooth lines are measured against.
void BM_SmoothReference(benchmark::State& state, CurveKind figure, int angle, double scale)
{
    const std::vector<SmoothSegment> segments =
        RecordSmoothSegments(ButtonView(figure, angle), scale);
    const int side = PictureSide(scale);
    QImage image(side, side + kRowsBelowPicture, QImage::Format_RGB32);
    const QPen wire(QColor(50, 50, 50), 1.0), curve(QColor(0, 0, 255), 1.0);
    for (auto _ : state) {
        QPainter painter(&image);
        painter.setPen(QPen(Qt::white, 0));
        painter.setBrush(Qt::black);
        painter.drawRect(0, 0, side - 1, side - 1);
        painter.setRenderHint(QPainter::Antialiasing, true);
        bool curvePen = false;
        painter.setPen(wire);
        for (const SmoothSegment& s : segments) {
            if (s.curve != curvePen) {
                curvePen = s.curve;
                painter.setPen(curvePen ? curve : wire);
            }
            painter.drawLine(QLineF(s.x0, s.y0, s.x1, s.y1));
        }
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
}

struct Registrar {
    Registrar()
    {
        benchmark::RegisterBenchmark("DialogDragStep/helix/89", BM_DialogDragStep, false, false)
            ->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark("DialogDragStep/helix/89/flat", BM_DialogDragStep, true, false)
            ->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark("DialogDragStep/helix/89/hidden", BM_DialogDragStep, false,
                                     true)
            ->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark("DialogDragStep/helix/89/hidden/scale:2", BM_AtScaleFactor,
                                     "2", "DialogDragStep/helix/89/hidden")
            ->UseManualTime()
            ->Iterations(1)
            ->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark("DialogDragStep/helix/89/scale:2", BM_AtScaleFactor, "2",
                                     "DialogDragStep/helix/89")
            ->UseManualTime()
            ->Iterations(1)
            ->Unit(benchmark::kMicrosecond);
        for (const FigureName& figure : DrawnFigures()) {
            for (int angle : {2, 60, 89})
                for (double scale : {1.0, 2.0, 4.0})
                    benchmark::RegisterBenchmark(
                        ScaledName("QPainterReference", figure.name, angle, scale).c_str(),
                        BM_QPainterReference, figure.kind, angle, scale)
                        ->Unit(benchmark::kMicrosecond);
            benchmark::RegisterBenchmark(
                ScaledName("SmoothReference", figure.name, 89, 2.0).c_str(), BM_SmoothReference,
                figure.kind, 89, 2.0)
                ->Unit(benchmark::kMicrosecond);
        }
    }
} registrar;

} // namespace
