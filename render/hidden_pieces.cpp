// SPDX-License-Identifier: MIT
#include "render/hidden_pieces.h"

#include <memory>

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
    double f = 0.0;
    VisibilityChanges(viewpoint, course, &a, &b, 1, &f);
    return f;
}

namespace {

// One bisection's bracket: the visibility of the chord's start holds at
// `seen`, the other at `changed`, with the course's points there.
struct Bracket {
    CourseSpan span;
    bool hiddenAtStart;
    double seen, changed;
    Vec3 seenPoint, changedPoint;
};

// The bisections run side by side, one halving of each in turn: each
// halving waits on the last, and so many at once keep the processor busy
// where one alone would keep it waiting.
template <class Hidden> void Bisect(std::vector<Bracket>& brackets, Hidden hidden)
{
    for (int step = 0; step < kBisectionSteps; ++step)
        for (Bracket& bracket : brackets) {
            const double middle = 0.5 * (bracket.seen + bracket.changed);
            const Vec3 p = Midway(bracket.span, bracket.seenPoint, bracket.seen,
                                  bracket.changedPoint, bracket.changed);
            if (hidden(p) == bracket.hiddenAtStart) {
                bracket.seen = middle;
                bracket.seenPoint = p;
            } else {
                bracket.changed = middle;
                bracket.changedPoint = p;
            }
        }
}

} // namespace

void VisibilityChanges(const SplitViewpoint& viewpoint, const PolylineCourse& course, const Vec3* a,
                       const Vec3* b, size_t count, double* f)
{
    const DrawnSurface& surface = viewpoint.surface;
    const Vec3 eye = viewpoint.eye;
    std::vector<Bracket> brackets;
    brackets.reserve(count);
    for (size_t i = 0; i < count; ++i)
        brackets.push_back(
            {SpanOf(course, a[i], b[i]), HiddenOn(surface, a[i], eye), 0.0, 1.0, a[i], b[i]});
    // The surface's own test in the loop, rather than the choice among them.
    switch (surface.kind) {
    case DrawnSurface::Kind::Cylinder:
        Bisect(brackets, [&](Vec3 p) { return HiddenOnCylinder(surface.cylinder, p, eye); });
        break;
    case DrawnSurface::Kind::Cone:
        Bisect(brackets, [&](Vec3 p) { return HiddenOnCone(surface.cone, p, eye); });
        break;
    case DrawnSurface::Kind::Sphere:
        Bisect(brackets, [&](Vec3 p) { return HiddenOnSphere(surface.sphere, p, eye); });
        break;
    case DrawnSurface::Kind::None:
        Bisect(brackets, [](Vec3) { return false; });
        break;
    }
    for (size_t i = 0; i < count; ++i)
        f[i] = 0.5 * (brackets[i].seen + brackets[i].changed);
}

namespace {

bool SamePoint(Vec3 a, Vec3 b) { return a.x == b.x && a.y == b.y && a.z == b.z; }

} // namespace

// The vertices are classified first, then every chord whose ends differ is
// bisected, all together; the pieces are laid out last, each point written
// once in its place.
void SplitPolyline(const SplitViewpoint& viewpoint, const PolylineCourse& course,
                   const FigureModel& model, FigurePolyline polyline, uint32_t count,
                   HiddenPieces& split, std::vector<PolylinePiece>& pieces)
{
    if (count == 0)
        return;
    std::unique_ptr<bool[]> hiddenVertex(new bool[count]);
    const double* x = model.x.data() + polyline.first;
    const double* y = model.y.data() + polyline.first;
    const double* z = model.z.data() + polyline.first;
    HiddenOnEach(viewpoint.surface, viewpoint.eye, x, y, z, count, hiddenVertex.get());

    std::vector<uint32_t> changes; // the chords from vertex i − 1 to i that change
    std::vector<Vec3> from, to;
    for (uint32_t i = 1; i < count; ++i)
        if (hiddenVertex[i] != hiddenVertex[i - 1] &&
            !SamePoint(model.Vertex(polyline.first + i - 1), model.Vertex(polyline.first + i))) {
            changes.push_back(i);
            from.push_back(model.Vertex(polyline.first + i - 1));
            to.push_back(model.Vertex(polyline.first + i));
        }
    std::vector<double> fractions(changes.size());
    VisibilityChanges(viewpoint, course, from.data(), to.data(), changes.size(), fractions.data());

    size_t point = split.PointCount();
    const size_t end = point + count + 2 * changes.size();
    split.x.resize(end);
    split.y.resize(end);
    split.z.resize(end);
    auto put = [&](Vec3 p) {
        split.x[point] = p.x;
        split.y[point] = p.y;
        split.z[point] = p.z;
        ++point;
    };
    pieces.push_back({uint32_t(point), 0, hiddenVertex[0]});
    uint32_t next = 0; // the vertex to put next
    for (size_t k = 0; k <= changes.size(); ++k) {
        const uint32_t last = k < changes.size() ? changes[k] : count; // up to, not including
        for (; next < last; ++next)
            put({x[next], y[next], z[next]});
        if (k == changes.size())
            break;
        const Vec3 cut = ChordPoint(from[k], to[k], fractions[k]);
        put(cut);
        pieces.back().count = uint32_t(point - pieces.back().first);
        pieces.push_back({uint32_t(point), 0, hiddenVertex[last]});
        put(cut);
    }
    pieces.back().count = uint32_t(point - pieces.back().first);
}
