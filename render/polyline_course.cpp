// SPDX-License-Identifier: MIT
#include "render/polyline_course.h"

#include <cmath>

#include "geometry/angles.h"
#include "render/course_midway.h"
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

Vec3 LoxodromePoint(const PolylineCourse& course, Vec3 a, Vec3 b, double f)
{
    const double theta = Colatitude(a) + f * (Colatitude(b) - Colatitude(a));
    const Vec3 p = LoxodromeAt(course, theta);
    return IsFinite(p) ? p : ChordPoint(a, b, f);
}

} // namespace

double Colatitude(Vec3 p) { return std::atan2(DistanceFromAxis(p), p.z); }

// tan(θ/2) = sin θ / (1 + cos θ): one sine and cosine serve the longitude
// and the point.
Vec3 LoxodromeAt(const PolylineCourse& course, double theta)
{
    const double sine = std::sin(theta), cosine = std::cos(theta);
    const double lambda = -(std::log(sine / (1.0 + cosine)) * course.tangent);
    const double across = course.radius * sine;
    return {across * std::cos(lambda), across * std::sin(lambda), course.radius * cosine};
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
