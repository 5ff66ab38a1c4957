// SPDX-License-Identifier: MIT
// Shared set-up of the benchmarks: the view of a figure at an angle, and the
// polylines a redraw of it makes.
#pragma once

#include <string>
#include <vector>

#include "geometry/view_state.h"
#include "render/figure_names.h"

// The three figures that draw something, by their names in benchmark names.
inline std::vector<FigureName> DrawnFigures()
{
    std::vector<FigureName> figures;
    for (const FigureName& figure : kFigureNames)
        if (figure.kind != CurveKind::None)
            figures.push_back(figure);
    return figures;
}

// The view a curve button's redraw draws, with this figure and angle: the
// button's view with its frame rebuilt.
ViewState ButtonView(CurveKind figure, int angleDeg);

struct PixelPolyline {
    bool curve; // drawn with the curve pen, else with the wire pen
    std::vector<std::pair<int, int>> points;
};

// The polylines one redraw of the view draws, in pixels, at a scale.
std::vector<PixelPolyline> RecordPolylines(const ViewState& view, double scale = 1.0);

struct SmoothSegment {
    bool curve;
    double x0, y0, x1, y1; // unrounded canvas positions
};

// The segments a smooth redraw of the view draws, at a scale.
std::vector<SmoothSegment> RecordSmoothSegments(const ViewState& view, double scale);

// The name of a benchmark at a scale: "Name/figure/angle", then
// "/scale:S" unless the scale is 1.
std::string ScaledName(const char* name, const char* figure, int angle, double scale);
