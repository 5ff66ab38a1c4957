// SPDX-License-Identifier: MIT
// Through the real dialog on the offscreen platform: from the Qt event to the
// new picture painted in the window. And, in the same run, the same polylines
// drawn with QPainter, the reference our own rasteriser is measured against.
#include <string>

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QCursor>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMouseEvent>
#include <QPainter>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "bench_support.h"
#include "controls/control_ids.h"
#include "controls/picture_layout.h"
#include "render/draw_figure.h"
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

// Qt reads the screen's scale factor once, when the application starts, so
// the drag step at device pixel ratio 2 runs in a second torsiva-bench with
// QT_SCALE_FACTOR=2, and each iteration here takes the time per step it
// reports.
void BM_DialogDragStepScaled(benchmark::State& state, const char* scaleFactor, const char* run)
{
    // The offscreen platform's own screen, 800 × 600 device pixels, is too
    // small for the window at this ratio: give it a large one.
    QTemporaryDir directory;
    QFile screens(directory.filePath(QStringLiteral("screens.json")));
    if (!screens.open(QIODevice::WriteOnly) ||
        screens.write(R"({"screens": [{"name": "large", "x": 0, "y": 0, "width": 3840,)"
                      R"( "height": 2160, "logicalDpi": 96, "dpr": 1}]})") < 0) {
        state.SkipWithError("cannot write the screen configuration");
        return;
    }
    screens.close();
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_SCALE_FACTOR"), QString::fromLatin1(scaleFactor));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"),
                       QStringLiteral("offscreen:configfile=") + screens.fileName());
    for (auto _ : state) {
        QProcess child;
        child.setProcessEnvironment(environment);
        child.start(QCoreApplication::applicationFilePath(),
                    {QStringLiteral("--benchmark_filter=^%1$").arg(QLatin1String(run)),
                     QStringLiteral("--benchmark_format=json")});
        if (!child.waitForFinished(120000) || child.exitCode() != 0) {
            state.SkipWithError("the scaled run failed");
            return;
        }
        const QJsonObject run = QJsonDocument::fromJson(child.readAllStandardOutput())
                                    .object()[QStringLiteral("benchmarks")]
                                    .toArray()
                                    .at(0)
                                    .toObject();
        const double microseconds = run[QStringLiteral("real_time")].toDouble();
        if (!(microseconds > 0.0)) {
            state.SkipWithError("the scaled run reported no time");
            return;
        }
        if (run[QStringLiteral("picture_scale")].toDouble() != QByteArray(scaleFactor).toDouble()) {
            state.SkipWithError("the scaled run drew at another scale");
            return;
        }
        state.SetIterationTime(microseconds * 1e-6);
    }
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
        benchmark::RegisterBenchmark("DialogDragStep/helix/89/hidden/scale:2",
                                     BM_DialogDragStepScaled, "2", "DialogDragStep/helix/89/hidden")
            ->UseManualTime()
            ->Iterations(1)
            ->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark("DialogDragStep/helix/89/scale:2", BM_DialogDragStepScaled,
                                     "2", "DialogDragStep/helix/89")
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
