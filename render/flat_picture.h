// SPDX-License-Identifier: MIT
// The flat picture: the development of a figure at an angle (development.h),
// cut into pieces (flat_cuts.h), fitted into a square picture of the same
// side, scale, colours and 1-pixel lines as the figure's: the black square
// with its white border, the outline and the wires in the wire pen, the
// curve in the curve pen.
//
// The fit is one uniform scale k and a margin, centred: the outline's box,
// k picture pixels per development unit, stands centred in the square with
// at least kFlatMargin picture pixels on every side. A development point
// (X, Y) falls on picture coordinates (x, y) = (k·X + e, f − k·Y), x to the
// right and y downwards from the top left corner as in picture_paths.h; at a
// device scale s the picture is drawn at (s·x, s·y).
//
// The flat picture depends only on the figure and the angle, never on the
// eye, the zoom or a drag.
#pragma once

#include <vector>

#include "geometry/view_state.h"
#include "render/canvas.h"
#include "render/flat_cuts.h"
#include "render/picture_paths.h"
#include "render/picture_scale.h"

constexpr double kFlatMargin = 20.0;

struct FlatFit {
    double k = 1.0;
    double e = 0.0;
    double f = 0.0;

    PicturePoint Apply(FlatPoint p) const { return {k * p.x + e, f - k * p.y}; }
};

// The fit of an outline's box into the picture square.
FlatFit FitFlat(const FlatBox& box);

// A figure at an angle laid flat, cut and fitted: what every flat picture of
// it draws.
struct FlatFigure {
    CurveKind figure = CurveKind::None;
    int angleDeg = 0;
    FlatPaths paths; // every vertex, as the vector picture keeps them
    // The same pieces as the raster draws them: a run of vertices along one
    // straight line (the helix, the loxodrome, every generatrix, ruling and
    // meridian) as one line between its ends, so that it is drawn straight
    // rather than through the truncated pixel of every vertex. Only the
    // spiral and the rim bend.
    FlatPaths drawn;
    FlatFit fit;
};

// The flat figure of a figure at an angle; no pieces for CurveKind::None or
// any value that names no figure.
FlatFigure MakeFlatFigure(CurveKind figure, int angleDeg);

// A vertical run of pixels: column x, rows [top, bottom).
struct PixelColumn {
    int32_t x;
    int32_t top, bottom;
};

// The pixels of one exact redraw of a flat figure, and its vertical wires.
struct FlatPixels {
    std::vector<int32_t> x, y;
    std::vector<PixelColumn> columns;
};

// Keeps the flat figure of the last figure and angle asked for, with the
// space its pixels take, so that drawing it again builds nothing and does
// not allocate.
class FlatCache {
public:
    const FlatFigure& Figure(CurveKind figure, int angleDeg);
    FlatPixels& Pixels() { return pixels_; }

private:
    bool valid_ = false;
    FlatFigure flat_;
    FlatPixels pixels_;
};

// Composes the flat picture of the figure at the angle on `canvas`, as
// ComposeFigure composes the figure's: Rectangle(0, 0, N, N) for
// N = PictureSide(scale), then the pieces, in either line style. For
// CurveKind::None only the square.
void ComposeFlatPicture(Canvas& canvas, FlatCache& cache, CurveKind figure, int angleDeg,
                        PictureMapping mapping = {});

// The pen a piece is drawn with: the outline takes the wires' colour.
const Pen& FlatPen(FlatClass what);

// The flat picture's pieces as picture paths, in picture units through the
// fit, each with its pen: for the printed page.
std::vector<PicturePath> FlatPicturePaths(const FlatFigure& flat);
