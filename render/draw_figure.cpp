#include "render/draw_figure.h"

#include <utility>

#include "geometry/view_frame.h"
#include "geometry/view_state.h"
#include "render/tracers.h"

void ComposeFigure(Canvas& canvas, FigureCache& figures)
{
    canvas.SelectPen(kBorderPen);
    canvas.SelectFill(kOpaqueBlack);
    canvas.Rectangle(0, 0, kPictureSize, kPictureSize);

    UpdateViewFrame();
    canvas.SelectPen(kCurvePen);

    const CurveKind kind = View().curveKind;
    if (kind == CurveKind::Helix)
        TraceHelix(canvas, kWirePen, kCurvePen, figures);
    if (kind == CurveKind::ConicalHelix)
        TraceConicalHelix(canvas, kWirePen, kCurvePen, figures);
    if (kind == CurveKind::SphericalHelix)
        TraceSphericalHelix(canvas, kWirePen, kCurvePen, figures);
}

void ComposeFigure(Canvas& canvas)
{
    FigureCache figures;
    ComposeFigure(canvas, figures);
}

void DrawFigure(FigureCache& figures, const CopyToWindow& copyToWindow)
{
    Canvas canvas = Canvas::ForRedraw();
    ComposeFigure(canvas, figures);
    copyToWindow(std::move(canvas));
}
