// Through the real dialog on the offscreen platform: from the Qt event to the
// new picture painted in the window. And, in the same run, the same polylines
// drawn with QPainter, the reference our own rasteriser is measured against.
#include <string>

#include <benchmark/benchmark.h>

#include <QCursor>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QTest>

#include "bench/bench_support.h"
#include "ui/control_ids.h"
#include "ui/figure_dialog.h"

namespace {

void BM_DialogDragStep(benchmark::State& state)
{
    View() = ViewState{};
    CFigureDlg dialog;
    dialog.show();
    if (!QTest::qWaitForWindowExposed(&dialog)) {
        state.SkipWithError("the dialog was not exposed");
        return;
    }
    for (QPushButton* button : dialog.findChildren<QPushButton*>())
        if (button->property("controlId").toInt() == ControlId::kHelix)
            button->click();
    View().angleDeg = 89;
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
}

void DrawReference(QImage& image, const std::vector<PixelPolyline>& polylines)
{
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(Qt::white, 0));
    painter.setBrush(Qt::black);
    painter.drawRect(0, 0, 499, 499);
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

void BM_QPainterReference(benchmark::State& state, CurveKind figure, int angle)
{
    SetButtonView(figure, angle);
    const std::vector<PixelPolyline> polylines = RecordPolylines();
    QImage image(500, 502, QImage::Format_RGB32);
    for (auto _ : state) {
        DrawReference(image, polylines);
        benchmark::DoNotOptimize(image.constBits());
    }
}

struct Registrar {
    Registrar()
    {
        benchmark::RegisterBenchmark("DialogDragStep/helix/89", BM_DialogDragStep)
            ->Unit(benchmark::kMicrosecond);
        for (const NamedFigure& figure : kFigures)
            for (int angle : {2, 60, 89}) {
                const std::string name =
                    std::string("QPainterReference/") + figure.name + "/" + std::to_string(angle);
                benchmark::RegisterBenchmark(name.c_str(), BM_QPainterReference, figure.kind, angle)
                    ->Unit(benchmark::kMicrosecond);
            }
    }
} registrar;

} // namespace
