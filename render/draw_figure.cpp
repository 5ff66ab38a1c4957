// SPDX-License-Identifier: MIT
#include "render/draw_figure.h"

#include "render/hidden_figure.h"
#include "render/tracers.h"

void PaintPictureSquare(Canvas& canvas, double scale)
{
    const int side = PictureSide(scale);
    canvas.SelectPen(kBorderPen);
    canvas.SelectFill(kOpaqueBlack);
    canvas.Rectangle(0, 0, side, side);
}

void ComposeFigure(Canvas& canvas, FigureCache& figures, const ViewState& view,
                   PictureMapping mapping)
{
    mapping.scale = DrawableScale(mapping.scale);
    PaintPictureSquare(canvas, mapping.scale);
    canvas.SelectPen(kCurvePen);

    FigureBuilder build = BuilderOf(view.curveKind);
    if (build && view.hiddenParts)
        TraceHiddenFigure(canvas, figures, view, build, mapping);
    else if (build)
        TraceFigure(canvas, kWirePen, kCurvePen, figures, view, build, mapping);
}
