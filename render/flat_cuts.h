// SPDX-License-Identifier: MIT
// The development cut into the flat picture's pieces: the outline as it is,
// then every wire and curve polyline as the chords between its consecutive
// vertices, cut where they cross the seam and where they leave the outline,
// each piece carried onto sheet 0 (conventions in development.h).
//
// Every cut point is the exact intersection of its chord with the seam or
// the outline, not the nearest vertex. A piece begins at the first vertex
// inside the outline, or where a chord enters the outline or comes in at the
// seam, and ends where a chord leaves the outline or reaches the seam, or at
// the polyline's last vertex. Pieces that draw nothing (one point, or a run
// of one point repeated) are left out.
#pragma once

#include <cstdint>
#include <vector>

#include "render/development.h"

// A vertex not finite, or farther than this beyond the outline's box, breaks
// its polyline, which goes on as a new piece after it. (For the cone the
// unwrapped angle ψ is held to the same bound, in radians.)
constexpr double kFlatReach = 16777216.0; // 2^24

struct FlatPiece {
    FlatClass what;
    uint32_t first; // index of its first point
    uint32_t count; // at least 2
};

// The pieces' points, in sheet 0, by component.
struct FlatPaths {
    std::vector<double> x, y;
    std::vector<FlatPiece> pieces; // the outline, then the wires, then the curve

    FlatPoint Point(size_t i) const { return {x[i], y[i]}; }
};

FlatPaths CutDevelopment(const Development& development);
