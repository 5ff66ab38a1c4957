// SPDX-License-Identifier: MIT
// The figure's polylines split where the surface starts or stops hiding
// them from the eye (geometry/visibility.h).
//
// Along a chord whose two vertices differ in visibility, the change is found
// on the curve the chord stands for (render/polyline_course.h): by bisection
// on the fraction of the way from one vertex to the next, kBisectionSteps
// halvings, which narrows it to less than 1e-9 of the parameter's step
// between them. The chord is cut at the middle of what is left, at the same
// fraction: the cut ends one piece and starts the next, so the pieces of a
// polyline join where it is cut. A chord with both vertices seen, or both
// hidden, stays whole (a change in and out again between two vertices is
// not looked for), and so does a chord of two equal vertices.
#pragma once

#include <cstdint>
#include <vector>

#include "geometry/vec3.h"
#include "geometry/visibility.h"
#include "render/figure_model.h"
#include "render/polyline_course.h"

constexpr int kBisectionSteps = 30; // 2^−30 < 1e-9

// A run of points of a split polyline, all seen or all hidden.
struct PolylinePiece {
    uint32_t first; // index of its first point
    uint32_t count;
    bool hidden;
};

// The pieces of a figure's polylines, their points by component: the
// vertices of the model, with the cuts among them.
struct HiddenPieces {
    std::vector<double> x, y, z;
    std::vector<PolylinePiece> wire;  // every wire's pieces, in order
    std::vector<PolylinePiece> curve; // then the curve's

    void Clear();
    size_t PointCount() const { return x.size(); }
    Vec3 Point(size_t i) const { return {x[i], y[i], z[i]}; }
};

// What decides a split: the surface, the eye, and how the polylines run.
struct SplitViewpoint {
    DrawnSurface surface;
    Vec3 eye;
};

// The fraction, in [0, 1], of the way from a to b, where visibility along
// the course changes from a's; a's visibility holds up to it, within 2^−30.
double VisibilityChange(const SplitViewpoint& viewpoint, const PolylineCourse& course, Vec3 a,
                        Vec3 b);
// VisibilityChange of `count` chords from a[i] to b[i], into f[i].
void VisibilityChanges(const SplitViewpoint& viewpoint, const PolylineCourse& course, const Vec3* a,
                       const Vec3* b, size_t count, double* f);

// Adds the pieces of the first `count` vertices of the polyline to
// `pieces` (each with at least two points, but for a polyline of one
// vertex), its points to `split`.
void SplitPolyline(const SplitViewpoint& viewpoint, const PolylineCourse& course,
                   const FigureModel& model, FigurePolyline polyline, uint32_t count,
                   HiddenPieces& split, std::vector<PolylinePiece>& pieces);
