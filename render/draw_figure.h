// SPDX-License-Identifier: MIT
// One redraw of the picture from a view.
#pragma once

#include "geometry/view_state.h"
#include "render/canvas.h"
#include "render/figure_model.h"
#include "render/picture_scale.h"

// The three pens of a redraw, 1 pixel wide and solid.
constexpr Pen kCurvePen{"curve", 0xFF0000FFu};   // blue
constexpr Pen kWirePen{"wire", 0xFF323232u};     // dark grey
constexpr Pen kBorderPen{"border", 0xFFFFFFFFu}; // white

// The black square with its white border of a picture at a drawable scale,
// Rectangle(0, 0, N, N) for N = PictureSide(scale): how every picture starts.
void PaintPictureSquare(Canvas& canvas, double scale);

// Composes the picture of `view` on `canvas`: the black square with its
// white border, then the figure that view.curveKind selects (none for
// CurveKind::None or any unknown value), projected by the view's frame as it
// stands: the caller rebuilds it first (UpdateViewFrame, or Framed for a
// single picture). `figures` keeps the figure's vertices for the next redraw
// at the same angle.
//
// At a scale the square is Rectangle(0, 0, N, N) for N = PictureSide(scale),
// and the canvas should be at least N wide and high (Canvas::ForPicture(N)).
// A KeptCanvas kept from the previous redraw of the same size costs only
// what that redraw drew over the square.
void ComposeFigure(Canvas& canvas, FigureCache& figures, const ViewState& view,
                   PictureMapping mapping = {});
