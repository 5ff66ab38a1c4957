// SPDX-License-Identifier: MIT
// The 3D polylines of one figure at one angle. Only the figure and the angle
// change them; the eye, the zoom and a drag change only how they project. So
// a redraw builds them once and, while the angle stays, only projects them.
#pragma once

#include <cstdint>
#include <vector>

#include "geometry/vec3.h"
#include "geometry/view_state.h"

struct FigurePolyline {
    uint32_t first; // index of its first vertex
    uint32_t count;
};

// Vertices are kept component by component, so that projecting them is one
// loop the compiler can run on vectors.
struct FigureModel {
    std::vector<double> x, y, z;
    std::vector<FigurePolyline> wire;  // drawn first, in the wire pen
    std::vector<FigurePolyline> curve; // then, in the curve pen
    // The loxodrome ends with its first vertex projected outside the picture.
    bool curveStopsOutsidePicture = false;

    size_t VertexCount() const { return x.size(); }
    Vec3 Vertex(size_t i) const { return {x[i], y[i], z[i]}; }

    // Starts a polyline; the vertices added from here on belong to it.
    void BeginWire() { wire.push_back({uint32_t(VertexCount()), 0}); }
    void BeginCurve() { curve.push_back({uint32_t(VertexCount()), 0}); }
    void AddWire(Vec3 p) { Add(wire, p); }
    void AddCurve(Vec3 p) { Add(curve, p); }

private:
    void Add(std::vector<FigurePolyline>& polylines, Vec3 p)
    {
        x.push_back(p.x);
        y.push_back(p.y);
        z.push_back(p.z);
        ++polylines.back().count;
    }
};

using FigureBuilder = FigureModel (*)(int angleDeg);

// Squared distance from the origin, summed x² + y² + z² from the left: the
// figures stop their curves by it.
inline double SquaredDistance(Vec3 p) { return p.x * p.x + p.y * p.y + p.z * p.z; }

// The model's vertices as one redraw projects them.
struct ProjectedFigure {
    std::vector<double> u, v;    // picture coordinates
    std::vector<int32_t> px, py; // canvas pixels
    std::vector<double> x, y;    // unrounded canvas positions, for smooth lines
};

// Keeps the model of the last figure and angle drawn, with the space its
// projection needs, so that a redraw at the same figure and angle neither
// rebuilds the vertices nor allocates for their projection. (The canvas is
// still made afresh for every redraw.)
class FigureCache {
public:
    const FigureModel& Model(CurveKind figure, int angleDeg, FigureBuilder build);
    ProjectedFigure& Projected() { return projected_; }

private:
    bool valid_ = false;
    CurveKind figure_ = CurveKind::None;
    int angleDeg_ = 0;
    FigureModel model_;
    ProjectedFigure projected_;
};
