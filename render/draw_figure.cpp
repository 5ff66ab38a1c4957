// SPDX-License-Identifier: MIT
#include "render/draw_figure.h"

#include <utility>

#include "geometry/view_frame.h"
#include "geometry/view_state.h"
#include "render/tracers.h"

namespace {

FigureBuilder BuilderOf(CurveKind kind)
{
    if (kind == CurveKind::Helix)
        return HelixModel;
    if (kind == CurveKind::ConicalHelix)
        return ConicalHelixModel;
    if (kind == CurveKind::SphericalHelix)
        return SphericalHelixModel;
    return nullptr;
}

} // namespace

void ComposeFigure(Canvas& canvas, FigureCache& figures, PictureMapping mapping)
{
    mapping.scale = DrawableScale(mapping.scale);
    const int side = PictureSide(mapping.scale);
    canvas.SelectPen(kBorderPen);
    canvas.SelectFill(kOpaqueBlack);
    canvas.Rectangle(0, 0, side, side);

    UpdateViewFrame();
    canvas.SelectPen(kCurvePen);

    const CurveKind kind = View().curveKind;
    if (FigureBuilder build = BuilderOf(kind))
        TraceFigure(canvas, kWirePen, kCurvePen, figures, kind, build, mapping);
}

void ComposeFigure(Canvas& canvas, FigureCache& figures, double scale)
{
    ComposeFigure(canvas, figures, PictureMapping{scale, LineStyle::Exact});
}

void ComposeFigure(Canvas& canvas, FigureCache& figures)
{
    ComposeFigure(canvas, figures, PictureMapping{});
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
