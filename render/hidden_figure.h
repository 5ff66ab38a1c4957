// SPDX-License-Identifier: MIT
// The figure with its hidden parts shown, as descriptive geometry draws it:
// the wires' seen pieces, then the surface's contour (render/contour.h) in
// the wire colour, then the curve, solid where it is seen and dashed
// (DashPatternAt the picture's scale) where the surface hides it; the hidden
// pieces of the wires are left out. Seen pieces are drawn as the plain
// figure draws its polylines, through the same projection.
#pragma once

#include <vector>

#include "geometry/view_state.h"
#include "render/canvas.h"
#include "render/figure_model.h"
#include "render/hidden_pieces.h"
#include "render/picture_paths.h"
#include "render/picture_scale.h"

constexpr Pen kContourPen{"contour", 0xFF323232u};          // the wires' dark grey
constexpr Pen kHiddenCurvePen{"curve hidden", 0xFF0000FFu}; // the curve's blue

// The view's figure split for its eye, with its contour.
struct HiddenFigure {
    HiddenPieces pieces;
    std::vector<std::vector<Vec3>> contour;
};

// Splits the model's polylines, as the plain figure draws them (the curve
// up to its DrawnCount), for the view's eye.
HiddenFigure SplitFigure(const FigureModel& model, const ProjectedFigure& projected,
                         const ViewState& view);

// Draws a run of `count` projected points from `first`: as the plain figure
// draws a polyline when seen, in dashes from pattern position `phase` when
// hidden, in the current pen and the mapping's line style. Returns the
// pattern position after it.
double TracePiece(Canvas& canvas, const ProjectedFigure& points, uint32_t first, uint32_t count,
                  bool hidden, PictureMapping mapping, double phase = 0.0);

// TraceFigure with the hidden parts shown, ending with the curve pen current.
// The cache's projection is left holding the pieces' points, not the
// model's: whatever reads it projects the model again first (ProjectFigure).
void TraceHiddenFigure(Canvas& canvas, FigureCache& figures, const ViewState& view,
                       FigureBuilder build, PictureMapping mapping = {});

// The paths of the same drawing, in its order, each named by its part.
std::vector<PicturePath> HiddenPicturePaths(const FigureModel& model,
                                            const ProjectedFigure& projected,
                                            const ViewState& view);
