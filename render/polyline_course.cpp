// SPDX-License-Identifier: MIT
#include "render/polyline_course.h"

#include <cmath>

#include "geometry/angles.h"
#include "render/drawn_surfaces.h"
#include "render/figure_dimensions.h"

namespace {

double AngleAbout(Vec3 p) { return std::atan2(p.y, p.x); }

// The signed turn about the z axis from a to b, in (−π, π]: consecutive
// vertices turn far less than half a turn about it.
double TurnAbout(Vec3 a, Vec3 b)
{
    return std::atan2(a.x * b.y - a.y * b.x, a.x * b.x + a.y * b.y);
}

// The figures lie within a hundred units of the origin: the squares need no
// guard against overflow.
double DistanceFromAxis(Vec3 p) { return std::sqrt(p.x * p.x + p.y * p.y); }

Vec3 AboutAxis(double angle, double distance, double z)
{
    return {distance * std::cos(angle), distance * std::sin(angle), z};
}

Vec3 HelixPoint(Vec3 a, Vec3 b, double f)
{
    const double angle = AngleAbout(a) + f * TurnAbout(a, b);
    const double distance = DistanceFromAxis(a) + f * (DistanceFromAxis(b) - DistanceFromAxis(a));
    return AboutAxis(angle, distance, a.z + f * (b.z - a.z));
}

Vec3 ConicalSpiralPoint(const DrawnCone& cone, Vec3 a, Vec3 b, double f)
{
    const double from = DistanceFromAxis(a);
    const double to = DistanceFromAxis(b);
    if (!(from > 0.0 && to > 0.0))
        return ChordPoint(a, b, f);
    const double distance = from * std::pow(to / from, f);
    const double angle = AngleAbout(a) + f * TurnAbout(a, b);
    return AboutAxis(angle, distance, cone.apexHeight - distance / cone.tanHalfAngle);
}

Vec3 GreatCirclePoint(Vec3 a, Vec3 b, double f)
{
    const double apart = std::atan2(Length(Cross(a, b)), Dot(a, b));
    const double sine = std::sin(apart);
    if (!(sine > 1e-12))
        return ChordPoint(a, b, f);
    return Add(Scale(std::sin((1.0 - f) * apart) / sine, a), Scale(std::sin(f * apart) / sine, b));
}

// Colatitude from the north pole, 0 to π.
double Colatitude(Vec3 p) { return std::atan2(DistanceFromAxis(p), p.z); }

Vec3 LoxodromePoint(const PolylineCourse& course, Vec3 a, Vec3 b, double f)
{
    const double theta = Colatitude(a) + f * (Colatitude(b) - Colatitude(a));
    const double lambda = -(std::log(std::tan(theta * 0.5)) * course.tangent);
    const double across = course.radius * std::sin(theta);
    const Vec3 p{across * std::cos(lambda), across * std::sin(lambda),
                 course.radius * std::cos(theta)};
    return IsFinite(p) ? p : ChordPoint(a, b, f);
}

Vec3 Middle(Vec3 p, Vec3 q) { return Scale(0.5, Add(p, q)); }

// The direction halfway between two directions about the z axis: the sum of
// the two unit vectors, which bisects the angle between them, at unit size.
// With no direction (a point on the axis) there is none to bisect: zero.
struct AxisDirection {
    double x = 0.0, y = 0.0;
};
AxisDirection HalfwayAbout(Vec3 p, Vec3 q)
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

} // namespace

CourseSpan SpanOf(const PolylineCourse& course, Vec3 a, Vec3 b)
{
    return {course, a, b, DistanceFromAxis(a), DistanceFromAxis(b)};
}

Vec3 Midway(const CourseSpan& span, Vec3 p, double fp, Vec3 q, double fq)
{
    const double f = 0.5 * (fp + fq);
    switch (span.course.kind) {
    case PolylineCourse::Kind::Helix: {
        // Both at the distance from the axis their fractions give, the
        // helix's own: the sum of the two bisects the angle between them.
        const double x = p.x + q.x, y = p.y + q.y;
        const double across = std::sqrt(x * x + y * y);
        const double distance = span.fromAxisA + f * (span.fromAxisB - span.fromAxisA);
        if (!(across > 0.0))
            return Middle(p, q);
        return {distance / across * x, distance / across * y, 0.5 * (p.z + q.z)};
    }
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
    case PolylineCourse::Kind::Loxodrome:
        return PointBetween(span.course, span.a, span.b, f);
    case PolylineCourse::Kind::Chord:
        break;
    }
    return Middle(p, q);
}

PolylineCourse WireCourse(CurveKind figure)
{
    PolylineCourse course;
    if (figure == CurveKind::SphericalHelix)
        course.kind = PolylineCourse::Kind::GreatCircle;
    return course;
}

PolylineCourse CurveCourse(CurveKind figure, int angleDeg)
{
    PolylineCourse course;
    switch (figure) {
    case CurveKind::Helix:
        course.kind = PolylineCourse::Kind::Helix;
        break;
    case CurveKind::ConicalHelix:
        course.kind = PolylineCourse::Kind::ConicalSpiral;
        course.cone = DrawnConeOfFigure();
        break;
    case CurveKind::SphericalHelix:
        course.kind = PolylineCourse::Kind::Loxodrome;
        course.radius = SphereDimensions::kRadius;
        course.tangent = std::tan(Radians(angleDeg));
        break;
    case CurveKind::None:
        break;
    }
    return course;
}

Vec3 PointBetween(const PolylineCourse& course, Vec3 a, Vec3 b, double f)
{
    switch (course.kind) {
    case PolylineCourse::Kind::Helix:
        return HelixPoint(a, b, f);
    case PolylineCourse::Kind::ConicalSpiral:
        return ConicalSpiralPoint(course.cone, a, b, f);
    case PolylineCourse::Kind::GreatCircle:
        return GreatCirclePoint(a, b, f);
    case PolylineCourse::Kind::Loxodrome:
        return LoxodromePoint(course, a, b, f);
    case PolylineCourse::Kind::Chord:
        break;
    }
    return ChordPoint(a, b, f);
}
