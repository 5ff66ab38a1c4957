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

struct FigureModel {
    std::vector<Vec3> vertices;
    std::vector<FigurePolyline> wire;  // drawn first, in the wire pen
    std::vector<FigurePolyline> curve; // then, in the curve pen
    // The loxodrome ends with its first vertex projected outside the picture.
    bool curveStopsOutsidePicture = false;

    // Adds the vertices emitted from here on as one polyline.
    void BeginWire() { wire.push_back({uint32_t(vertices.size()), 0}); }
    void BeginCurve() { curve.push_back({uint32_t(vertices.size()), 0}); }
    void AddWire(Vec3 p) { Add(wire, p); }
    void AddCurve(Vec3 p) { Add(curve, p); }

private:
    void Add(std::vector<FigurePolyline>& polylines, Vec3 p)
    {
        vertices.push_back(p);
        ++polylines.back().count;
    }
};

using FigureBuilder = FigureModel (*)(int angleDeg);

// Keeps the model of the last figure and angle drawn, with the scratch space
// its projection needs, so that repeated redraws allocate nothing.
class FigureCache {
public:
    const FigureModel& Model(CurveKind figure, int angleDeg, FigureBuilder build);
    std::vector<Vec3>& Pictures() { return pictures_; }

private:
    bool valid_ = false;
    CurveKind figure_ = CurveKind::None;
    int angleDeg_ = 0;
    FigureModel model_;
    std::vector<Vec3> pictures_;
};
