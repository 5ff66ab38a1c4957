// SPDX-License-Identifier: MIT
// The contour of a drawn surface as the eye E sees it: where the lines from
// the eye touch the surface. Model units, the axis the z axis, angles about
// it from the x axis; φ_E is the eye's angle about the axis and d_E its
// distance from it.
//
// - Cylinder of radius r: the generatrices at φ_E ± acos(r / d_E), from the
//   bottom to the top; none when d_E ≤ r.
// - Cone of apex height h and slope k: the rulings where
//   cos(φ − φ_E) = k (h − E_z) / d_E, from the apex to the rim; none when
//   the right-hand side lies outside [−1, 1] (or d_E = 0).
// - Sphere of radius r: the circle X·E = r² on it, closed, of
//   kContourCircleSides sides; none when |E| ≤ r.
//
// The lines are sampled like the wires (kContourLineSteps chords), so that
// they project as the wireframe beside them does.
#pragma once

#include <vector>

#include "geometry/vec3.h"
#include "geometry/visibility.h"

constexpr int kContourCircleSides = 360;
constexpr int kContourLineSteps = 64;

// The contour's polylines, each at least two points.
std::vector<std::vector<Vec3>> ContourLines(const DrawnSurface& surface, Vec3 eye);
