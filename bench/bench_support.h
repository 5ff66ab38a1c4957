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

// The polylines one redraw of the current view draws, in pixels.
std::vector<PixelPolyline> RecordPolylines();
