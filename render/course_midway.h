// SPDX-License-Identifier: MIT
// The halving step of a bisection along a polyline's course
// (polyline_course.h), inline: the split of a figure takes it thousands of
// times a redraw, each waiting on the one before.
#pragma once

#include <cmath>

#include "render/polyline_course.h"

// The figures lie within a hundred units of the origin: the squares need no
// guard against overflow.
inline double DistanceFromAxis(Vec3 p) { return std::sqrt(p.x * p.x + p.y * p.y); }

inline Vec3 Middle(Vec3 p, Vec3 q) { return Scale(0.5, Add(p, q)); }

// The direction halfway between two directions about the z axis: the sum of
// the two unit vectors, which bisects the angle between them, at unit size.
// With no direction (a point on the axis) there is none to bisect: zero.
struct AxisDirection {
    double x = 0.0, y = 0.0;
};
inline AxisDirection HalfwayAbout(Vec3 p, Vec3 q)
{
    const double rp = DistanceFromAxis(p), rq = DistanceFromAxis(q);
    if (!(rp > 0.0 && rq > 0.0))
        return {};
    const double x = p.x / rp + q.x / rq, y = p.y / rp + q.y / rq;
    const double length = std::sqrt(x * x + y * y);
    if (!(length > 0.0))
        return {};
    return {x / length, y / length};
}

// The course from vertex a to vertex b, with what its points share worked
// out once: their distances from the z axis, and on the loxodrome their
// colatitudes.
struct CourseSpan {
    PolylineCourse course;
    Vec3 a, b;
    double fromAxisA = 0.0, fromAxisB = 0.0;
    double colatitudeA = 0.0, colatitudeB = 0.0;
};

inline CourseSpan SpanOf(const PolylineCourse& course, Vec3 a, Vec3 b)
{
    if (course.kind == PolylineCourse::Kind::Loxodrome)
        return {course,       a, b, DistanceFromAxis(a), DistanceFromAxis(b), Colatitude(a),
                Colatitude(b)};
    return {course, a, b, DistanceFromAxis(a), DistanceFromAxis(b)};
}

// Midway on a helix from a vertex at distance `fromA` from the axis to one at
// `fromB`, p and q at the distance their fractions give, the helix's own:
// the sum of the two bisects the angle between them. f is the fraction
// halfway between theirs. Without a branch, for loops of many at once.
inline Vec3 HelixMidway(double fromA, double fromB, Vec3 p, Vec3 q, double f)
{
    const double x = p.x + q.x, y = p.y + q.y;
    const double across = std::sqrt(x * x + y * y);
    const double distance = fromA + f * (fromB - fromA);
    // Opposite points (no helix chord turns so far) or the axis: the chord's middle.
    const double scale = across > 0.0 ? distance / across : 0.5;
    return {scale * x, scale * y, 0.5 * (p.z + q.z)};
}

// The point of the span's course halfway, in the parameter, between two of
// its points p and q, at fractions fp and fq of the way from a to b: what
// PointBetween gives at (fp + fq) / 2, to rounding, found from p and q
// without trigonometry where the course allows (every course but the
// loxodrome's), for a bisection that halves its bracket again and again.
// p and q lie less than half a turn apart about the axis or the centre.
inline Vec3 Midway(const CourseSpan& span, Vec3 p, double fp, Vec3 q, double fq)
{
    const double f = 0.5 * (fp + fq);
    switch (span.course.kind) {
    case PolylineCourse::Kind::Helix:
        return HelixMidway(span.fromAxisA, span.fromAxisB, p, q, f);
    case PolylineCourse::Kind::ConicalSpiral: {
        const AxisDirection d = HalfwayAbout(p, q);
        if (d.x == 0.0 && d.y == 0.0)
            return Middle(p, q);
        // Halfway in the logarithm of the distance: the geometric mean.
        const double distance = std::sqrt(DistanceFromAxis(p) * DistanceFromAxis(q));
        return {distance * d.x, distance * d.y,
                span.course.cone.apexHeight - distance / span.course.cone.tanHalfAngle};
    }
    case PolylineCourse::Kind::GreatCircle: {
        // Halfway along the arc: the sum of the two radii, bisecting the angle.
        const Vec3 sum = Add(p, q);
        const double length = Length(sum);
        if (!(length > 0.0))
            return Middle(p, q);
        return Scale(0.5 * (Length(p) + Length(q)) / length, sum);
    }
    case PolylineCourse::Kind::Loxodrome: {
        const Vec3 point =
            LoxodromeAt(span.course, span.colatitudeA + f * (span.colatitudeB - span.colatitudeA));
        return IsFinite(point) ? point : ChordPoint(span.a, span.b, f);
    }
    case PolylineCourse::Kind::Chord:
        break;
    }
    return Middle(p, q);
}
