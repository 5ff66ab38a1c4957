// Shared set-up of the benchmarks: the view of a figure at an angle, and the
// polylines a redraw of it makes.
#pragma once

#include <string>
#include <vector>

#include "geometry/view_state.h"

struct NamedFigure {
    const char* name;
    CurveKind kind;
};

constexpr NamedFigure kFigures[] = {
    {"helix", CurveKind::Helix},
    {"conical", CurveKind::ConicalHelix},
    {"spherical", CurveKind::SphericalHelix},
};

// The view a curve button leaves, with this figure and angle.
void SetButtonView(CurveKind figure, int angleDeg);

struct PixelPolyline {
    bool curve; // drawn with the curve pen, else with the wire pen
    std::vector<std::pair<int, int>> points;
};

// The polylines one redraw of the current view draws, in pixels, at a scale.
std::vector<PixelPolyline> RecordPolylines(double scale = 1.0);

struct SmoothSegment {
    bool curve;
    double x0, y0, x1, y1; // unrounded canvas positions
};

// The segments a smooth redraw of the current view draws, at a scale.
std::vector<SmoothSegment> RecordSmoothSegments(double scale);

// The name of a benchmark at a scale: "Name/figure/angle", then
// "/scale:S" unless the scale is 1.
std::string ScaledName(const char* name, const char* figure, int angle, double scale);
