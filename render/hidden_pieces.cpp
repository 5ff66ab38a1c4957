// SPDX-License-Identifier: MIT
#include "render/hidden_pieces.h"

#include <memory>

#include "render/course_midway.h"

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

// Bisections of many chords side by side, by component: the visibility of
// a chord's start holds at fraction at0, the other at at1, with the
// course's points there.
struct Brackets {
    std::vector<CourseSpan> spans;
    std::vector<double> fromAxisA, fromAxisB;
    std::vector<double> startHidden; // 1 where the chord's start is hidden
    std::vector<double> at0, at1;
    std::vector<double> x0, y0, z0, x1, y1, z1;

    void Reserve(size_t count)
    {
        spans.reserve(count);
        for (std::vector<double>* v :
             {&fromAxisA, &fromAxisB, &startHidden, &at0, &at1, &x0, &y0, &z0, &x1, &y1, &z1})
            v->reserve(count);
    }

    void Add(const CourseSpan& span, bool hidden)
    {
        spans.push_back(span);
        fromAxisA.push_back(span.fromAxisA);
        fromAxisB.push_back(span.fromAxisB);
        startHidden.push_back(hidden ? 1.0 : 0.0);
        at0.push_back(0.0);
        at1.push_back(1.0);
        x0.push_back(span.a.x);
        y0.push_back(span.a.y);
        z0.push_back(span.a.z);
        x1.push_back(span.b.x);
        y1.push_back(span.b.y);
        z1.push_back(span.b.z);
    }
};

// Each halving waits on the last, so the bisections run side by side, one
// halving of each in turn, which keeps the processor busy (and, with a
// course and a test of plain arithmetic, its vector units) where one alone
// would keep it waiting. Which end moves is as likely one as the other: it
// is chosen by selection rather than by a branch guessed wrong half the time.
template <class Midpoint, class Hidden> void Bisect(Brackets& b, Midpoint midpoint, Hidden hidden)
{
    const size_t count = b.at0.size();
    double* const at0 = b.at0.data();
    double* const at1 = b.at1.data();
    double* const x0 = b.x0.data();
    double* const y0 = b.y0.data();
    double* const z0 = b.z0.data();
    double* const x1 = b.x1.data();
    double* const y1 = b.y1.data();
    double* const z1 = b.z1.data();
    const double* const startHidden = b.startHidden.data();
    for (int step = 0; step < kBisectionSteps; ++step)
        for (size_t i = 0; i < count; ++i) {
            const double middle = 0.5 * (at0[i] + at1[i]);
            const Vec3 p =
                midpoint(i, {x0[i], y0[i], z0[i]}, at0[i], {x1[i], y1[i], z1[i]}, at1[i]);
            const bool same = (hidden(p) ? 1.0 : 0.0) == startHidden[i];
            at0[i] = same ? middle : at0[i];
            x0[i] = same ? p.x : x0[i];
            y0[i] = same ? p.y : y0[i];
            z0[i] = same ? p.z : z0[i];
            at1[i] = same ? at1[i] : middle;
            x1[i] = same ? x1[i] : p.x;
            y1[i] = same ? y1[i] : p.y;
            z1[i] = same ? z1[i] : p.z;
        }
}

// The helix's halving on its own, the others through Midway.
template <class Hidden> void BisectAlong(Brackets& b, PolylineCourse::Kind course, Hidden hidden)
{
    if (course == PolylineCourse::Kind::Helix) {
        const double* const fromA = b.fromAxisA.data();
        const double* const fromB = b.fromAxisB.data();
        Bisect(
            b,
            [=](size_t i, Vec3 p, double fp, Vec3 q, double fq) {
                return HelixMidway(fromA[i], fromB[i], p, q, 0.5 * (fp + fq));
            },
            hidden);
        return;
    }
    const CourseSpan* const spans = b.spans.data();
    Bisect(
        b,
        [=](size_t i, Vec3 p, double fp, Vec3 q, double fq) {
            return Midway(spans[i], p, fp, q, fq);
        },
        hidden);
}

} // namespace

void VisibilityChanges(const SplitViewpoint& viewpoint, const PolylineCourse& course, const Vec3* a,
                       const Vec3* b, size_t count, double* f)
{
    const DrawnSurface& surface = viewpoint.surface;
    const Vec3 eye = viewpoint.eye;
    Brackets brackets;
    brackets.Reserve(count);
    for (size_t i = 0; i < count; ++i)
        brackets.Add(SpanOf(course, a[i], b[i]), HiddenOn(surface, a[i], eye));
    // The surface's own test in the loop, rather than the choice among them.
    const DrawnCylinder cylinder = surface.cylinder;
    const DrawnCone cone = surface.cone;
    const DrawnSphere sphere = surface.sphere;
    switch (surface.kind) {
    case DrawnSurface::Kind::Cylinder:
        BisectAlong(brackets, course.kind,
                    [=](Vec3 p) { return HiddenOnCylinder(cylinder, p, eye); });
        break;
    case DrawnSurface::Kind::Cone:
        BisectAlong(brackets, course.kind, [=](Vec3 p) { return HiddenOnCone(cone, p, eye); });
        break;
    case DrawnSurface::Kind::Sphere:
        BisectAlong(brackets, course.kind, [=](Vec3 p) { return HiddenOnSphere(sphere, p, eye); });
        break;
    case DrawnSurface::Kind::None:
        BisectAlong(brackets, course.kind, [](Vec3) { return false; });
        break;
    }
    for (size_t i = 0; i < count; ++i)
        f[i] = 0.5 * (brackets.at0[i] + brackets.at1[i]);
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
    std::unique_ptr<double[]> hiddenVertex(new double[count]);
    const double* x = model.x.data() + polyline.first;
    const double* y = model.y.data() + polyline.first;
    const double* z = model.z.data() + polyline.first;
    HiddenOnEach(viewpoint.surface, viewpoint.eye, x, y, z, count, hiddenVertex.get());

    // The chords from vertex i − 1 to i whose ends differ: found in one pass
    // without a branch, as most chords do not change, then those of two
    // equal vertices dropped.
    std::vector<uint32_t> changes(count);
    size_t changed = 0;
    const double* const hidden = hiddenVertex.get();
    for (uint32_t i = 1; i < count; ++i) {
        changes[changed] = i;
        changed += hidden[i] != hidden[i - 1];
    }
    changes.resize(changed);
    std::vector<Vec3> from, to;
    from.reserve(changed);
    to.reserve(changed);
    size_t kept = 0;
    for (const uint32_t i : changes) {
        const Vec3 a = model.Vertex(polyline.first + i - 1), b = model.Vertex(polyline.first + i);
        if (SamePoint(a, b))
            continue;
        changes[kept++] = i;
        from.push_back(a);
        to.push_back(b);
    }
    changes.resize(kept);
    std::vector<double> fractions(changes.size());
    VisibilityChanges(viewpoint, course, from.data(), to.data(), changes.size(), fractions.data());

    // Runs of vertices copied whole, a cut twice between two runs.
    auto putVertices = [&](uint32_t first, uint32_t end) {
        split.x.insert(split.x.end(), x + first, x + end);
        split.y.insert(split.y.end(), y + first, y + end);
        split.z.insert(split.z.end(), z + first, z + end);
    };
    auto putCut = [&](Vec3 p) {
        split.x.push_back(p.x);
        split.y.push_back(p.y);
        split.z.push_back(p.z);
    };
    auto endPiece = [&] {
        pieces.back().count = uint32_t(split.PointCount() - pieces.back().first);
    };
    pieces.push_back({uint32_t(split.PointCount()), 0, hiddenVertex[0] != 0.0});
    uint32_t next = 0; // the vertex to put next
    for (size_t k = 0; k < changes.size(); ++k) {
        putVertices(next, changes[k]);
        next = changes[k];
        const Vec3 cut = ChordPoint(from[k], to[k], fractions[k]);
        putCut(cut);
        endPiece();
        pieces.push_back({uint32_t(split.PointCount()), 0, hiddenVertex[next] != 0.0});
        putCut(cut);
    }
    putVertices(next, count);
    endPiece();
}
