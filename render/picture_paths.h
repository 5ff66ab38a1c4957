// SPDX-License-Identifier: MIT
// The picture as vectors: the polylines one redraw would draw, before their
// vertices are cut down to whole pixels.
//
// Picture units: x = 250 + u grows to the right and y = 250 − v downwards,
// from the top left corner of the 500 × 500 picture, so that (x, y) lies in
// canvas pixel (trunc(x), trunc(y)). Coordinates are left unrounded.
#pragma once

#include <string>
#include <vector>

#include "geometry/view_state.h"
#include "render/canvas.h"
#include "render/figure_model.h"

struct PicturePoint {
    double x = 0.0;
    double y = 0.0;
};

struct PicturePath {
    Pen pen;
    std::vector<PicturePoint> points; // at least one
    // Drawn in dashes (DashPatternAt(1)), as a hidden part.
    bool dashed = false;
    // What the path is, as a document names it, with the hidden parts shown:
    // "wire", "curve", "curve hidden" or "contour"; none otherwise.
    const char* part = nullptr;
    // A text, UTF-8, centred on the first point instead of a line: the
    // angle mark's measured angle on the printed page. Empty for a line.
    std::string text{};
};

// A vertex projected farther than this from the picture centre, or to a
// value that is not finite, cannot be written as a usable number: it breaks
// its polyline, which goes on as a new path after it.
constexpr double kPathReach = 16777216.0; // 2^24

// The paths of the figure the view shows, in drawing order (the wires, then
// the curve), each with its pen; the loxodrome ends where the picture's does.
// The frame is rebuilt first, as before a redraw, on a copy: the view itself
// is only read, so exporting never changes the next redraw.
std::vector<PicturePath> PicturePaths(const ViewState& view);

// Adds the paths of the first `drawn` projected points of a polyline, in
// this pen, broken at every point beyond kPathReach or not finite.
void AddPathsOfPolyline(std::vector<PicturePath>& paths, const Pen& pen,
                        const ProjectedFigure& projected, FigurePolyline polyline, uint32_t drawn);

// The paths of a projected model: its polylines, as drawn, broken at every
// vertex beyond kPathReach or not finite.
std::vector<PicturePath> PathsOfProjection(const FigureModel& model,
                                           const ProjectedFigure& projected);
