// SPDX-License-Identifier: MIT
#include "render/hidden_pieces.h"

void HiddenPieces::Clear()
{
    x.clear();
    y.clear();
    z.clear();
    wire.clear();
    curve.clear();
}

double VisibilityChange(const SplitViewpoint& viewpoint, const PolylineCourse& course, Vec3 a,
                        Vec3 b)
{
    const bool hiddenAtA = HiddenOn(viewpoint.surface, a, viewpoint.eye);
    double seen = 0.0, changed = 1.0; // a's visibility at `seen`, the other at `changed`
    for (int step = 0; step < kBisectionSteps; ++step) {
        const double middle = 0.5 * (seen + changed);
        const Vec3 p = PointBetween(course, a, b, middle);
        if (HiddenOn(viewpoint.surface, p, viewpoint.eye) == hiddenAtA)
            seen = middle;
        else
            changed = middle;
    }
    return 0.5 * (seen + changed);
}

namespace {

void AddPoint(HiddenPieces& split, Vec3 p)
{
    split.x.push_back(p.x);
    split.y.push_back(p.y);
    split.z.push_back(p.z);
}

bool SamePoint(Vec3 a, Vec3 b) { return a.x == b.x && a.y == b.y && a.z == b.z; }

} // namespace

void SplitPolyline(const SplitViewpoint& viewpoint, const PolylineCourse& course,
                   const FigureModel& model, FigurePolyline polyline, uint32_t count,
                   HiddenPieces& split, std::vector<PolylinePiece>& pieces)
{
    if (count == 0)
        return;
    Vec3 previous = model.Vertex(polyline.first);
    bool hidden = HiddenOn(viewpoint.surface, previous, viewpoint.eye);
    pieces.push_back({uint32_t(split.PointCount()), 1, hidden});
    AddPoint(split, previous);
    for (uint32_t i = 1; i < count; ++i) {
        const Vec3 vertex = model.Vertex(polyline.first + i);
        const bool vertexHidden = HiddenOn(viewpoint.surface, vertex, viewpoint.eye);
        if (vertexHidden != hidden && !SamePoint(previous, vertex)) {
            const double f = VisibilityChange(viewpoint, course, previous, vertex);
            AddPoint(split, ChordPoint(previous, vertex, f));
            ++pieces.back().count;
            pieces.push_back({uint32_t(split.PointCount()), 1, vertexHidden});
            AddPoint(split, ChordPoint(previous, vertex, f));
            hidden = vertexHidden;
        }
        AddPoint(split, vertex);
        ++pieces.back().count;
        previous = vertex;
    }
}
