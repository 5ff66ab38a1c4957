// SPDX-License-Identifier: MIT
#include "bench_support.h"

#include <cstring>

#include "geometry/view_frame.h"
#include "render/draw_figure.h"
#include "render/recording_canvas.h"

ViewState ButtonView(CurveKind figure, int angleDeg)
{
    return Framed(DefaultView(figure, angleDeg));
}

std::vector<PixelPolyline> RecordPolylines(const ViewState& view, double scale)
{
    const int side = PictureSide(scale);
    RecordingCanvas canvas(side, side + kRowsBelowPicture);
    FigureCache figures;
    ComposeFigure(canvas, figures, view, PictureMapping{scale, LineStyle::Exact});
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

namespace {

class SegmentCanvas : public Canvas {
public:
    using Canvas::Canvas;
    void SelectPen(const Pen& pen) override
    {
        curve_ = std::strcmp(pen.name, kCurvePen.name) == 0;
        Canvas::SelectPen(pen);
    }
    void SmoothLine(double x0, double y0, double x1, double y1) override
    {
        segments.push_back({curve_, x0, y0, x1, y1});
    }
    std::vector<SmoothSegment> segments;

private:
    bool curve_ = false;
};

} // namespace

std::vector<SmoothSegment> RecordSmoothSegments(const ViewState& view, double scale)
{
    const int side = PictureSide(scale);
    SegmentCanvas canvas(side, side + kRowsBelowPicture);
    FigureCache figures;
    ComposeFigure(canvas, figures, view, PictureMapping{scale, LineStyle::Smooth});
    return canvas.segments;
}

std::string ScaledName(const char* name, const char* figure, int angle, double scale)
{
    std::string full = std::string(name) + "/" + figure + "/" + std::to_string(angle);
    if (scale != 1.0)
        full += "/scale:" + std::to_string(int(scale));
    return full;
}
