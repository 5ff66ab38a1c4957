#include "bench/bench_support.h"

#include <cstring>

#include "render/draw_figure.h"
#include "render/recording_canvas.h"

void SetButtonView(CurveKind figure, int angleDeg)
{
    View() = ViewState{};
    View().eye = {300, 0, 0};
    View().up = {0, 0, 1};
    View().zoom = 50;
    View().angleDeg = angleDeg;
    View().curveKind = figure;
}

std::vector<PixelPolyline> RecordPolylines()
{
    RecordingCanvas canvas;
    ComposeFigure(canvas);
    std::vector<PixelPolyline> polylines;
    bool curve = false;
    for (const CanvasOp& op : canvas.Ops()) {
        if (op.kind == CanvasOp::Kind::Pen)
            curve = std::strcmp(op.pen, kCurvePen.name) == 0;
        if (op.kind == CanvasOp::Kind::Move)
            polylines.push_back({curve, {{op.a, op.b}}});
        if (op.kind == CanvasOp::Kind::Line)
            polylines.back().points.push_back({op.a, op.b});
    }
    return polylines;
}
