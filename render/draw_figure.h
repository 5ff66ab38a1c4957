// SPDX-License-Identifier: MIT
// One redraw of the picture from the current view.
#pragma once

#include <functional>

#include "render/canvas.h"
#include "render/figure_model.h"
#include "render/picture_scale.h"

// The three pens of a redraw, 1 pixel wide and solid.
constexpr Pen kCurvePen{"curve", 0xFF0000FFu};   // blue
constexpr Pen kWirePen{"wire", 0xFF323232u};     // dark grey
constexpr Pen kBorderPen{"border", 0xFFFFFFFFu}; // white

// Composes the picture on `canvas`: the black square with its white border,
// the viewing frame rebuilt from View(), then the figure that View().curveKind
// selects (none for CurveKind::None or any unknown value). `figures` keeps the
// figure's vertices for the next redraw at the same angle.
//
// At a scale the square is Rectangle(0, 0, N, N) for N = PictureSide(scale),
// and the canvas should be at least N wide and high (Canvas::ForPicture(N)).
// A KeptCanvas kept from the previous redraw of the same size costs only
// what that redraw drew over the square.
void ComposeFigure(Canvas& canvas, FigureCache& figures, PictureMapping mapping);
void ComposeFigure(Canvas& canvas, FigureCache& figures, double scale);
void ComposeFigure(Canvas& canvas, FigureCache& figures);

// The same with nothing kept: for a single picture.
void ComposeFigure(Canvas& canvas);

// Receives the finished canvas, to keep: the window shows its top 500 × 500
// square until the next redraw hands over the next canvas.
using CopyToWindow = std::function<void(Canvas&&)>;

// The whole redraw: a fresh canvas, composed, then handed over in one piece,
// so the window never shows a partly drawn picture.
void DrawFigure(FigureCache& figures, const CopyToWindow& copyToWindow);
