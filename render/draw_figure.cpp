#include "render/draw_figure.h"

#include "geometry/view_frame.h"
#include "geometry/view_state.h"
#include "render/tracers.h"

void ComposeFigure(Canvas& canvas)
{
    canvas.SelectPen(kBorderPen);
    canvas.SelectFill(kOpaqueBlack);
    canvas.Rectangle(0, 0, kPictureSize, kPictureSize);

    UpdateViewFrame();
    canvas.SelectPen(kCurvePen);

    const CurveKind kind = View().curveKind;
    if (kind == CurveKind::Helix)
        TraceHelix(canvas, kWirePen, kCurvePen);
    if (kind == CurveKind::ConicalHelix)
        TraceConicalHelix(canvas, kWirePen, kCurvePen);
    if (kind == CurveKind::SphericalHelix)
        TraceSphericalHelix(canvas, kWirePen, kCurvePen);
}

void DrawFigure(const CopyToWindow& copyToWindow)
{
    Canvas canvas;
    ComposeFigure(canvas);
    copyToWindow(canvas);
}
