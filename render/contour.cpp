// SPDX-License-Identifier: MIT
#include "render/contour.h"

#include <cmath>
#include <utility>

#include "render/polyline_course.h"

namespace {

std::vector<Vec3> Sampled(Vec3 from, Vec3 to)
{
    std::vector<Vec3> line;
    line.reserve(kContourLineSteps + 1);
    for (int i = 0; i <= kContourLineSteps; ++i)
        line.push_back(ChordPoint(from, to, double(i) / kContourLineSteps));
    return line;
}

double EyeAngle(Vec3 eye) { return std::atan2(eye.y, eye.x); }
double EyeDistanceFromAxis(Vec3 eye) { return std::hypot(eye.x, eye.y); }

void AddCylinderContour(std::vector<std::vector<Vec3>>& lines, const DrawnCylinder& cylinder,
                        Vec3 eye)
{
    const double distance = EyeDistanceFromAxis(eye);
    if (!(distance > cylinder.radius))
        return;
    const double turn = std::acos(cylinder.radius / distance);
    for (const double phi : {EyeAngle(eye) + turn, EyeAngle(eye) - turn}) {
        const double x = cylinder.radius * std::cos(phi), y = cylinder.radius * std::sin(phi);
        lines.push_back(Sampled({x, y, cylinder.bottom}, {x, y, cylinder.top}));
    }
}

void AddConeContour(std::vector<std::vector<Vec3>>& lines, const DrawnCone& cone, Vec3 eye)
{
    const double distance = EyeDistanceFromAxis(eye);
    const double cosine = cone.tanHalfAngle * (cone.apexHeight - eye.z) / distance;
    if (!(distance > 0.0 && cosine >= -1.0 && cosine <= 1.0))
        return;
    const double turn = std::acos(cosine);
    const Vec3 apex{0.0, 0.0, cone.apexHeight};
    const double rimHeight = cone.apexHeight - cone.rimRadius / cone.tanHalfAngle;
    for (const double phi : {EyeAngle(eye) + turn, EyeAngle(eye) - turn})
        lines.push_back(Sampled(
            apex, {cone.rimRadius * std::cos(phi), cone.rimRadius * std::sin(phi), rimHeight}));
}

// The circle's centre is (r² / |E|²)·E and its radius r·sqrt(1 − r² / |E|²),
// in the plane through the centre at right angles to E.
void AddSphereContour(std::vector<std::vector<Vec3>>& lines, const DrawnSphere& sphere, Vec3 eye)
{
    const double distance = Length(eye);
    if (!(distance > sphere.radius) || !std::isfinite(distance))
        return;
    const Vec3 toward = Normalize(eye);
    const double ratio = sphere.radius / distance;
    const Vec3 centre = Scale(sphere.radius * ratio, toward);
    const double radius = sphere.radius * std::sqrt(1.0 - ratio * ratio);
    // Any axis well away from the eye's direction gives the circle's plane.
    const Vec3 axis = std::fabs(toward.z) < 0.9 ? Vec3{0.0, 0.0, 1.0} : Vec3{1.0, 0.0, 0.0};
    const Vec3 first = Normalize(Cross(toward, axis));
    const Vec3 second = Cross(toward, first);
    std::vector<Vec3> circle;
    circle.reserve(kContourCircleSides + 1);
    const double step = 2.0 * Pi() / kContourCircleSides;
    for (int i = 0; i <= kContourCircleSides; ++i) {
        const double angle = i == kContourCircleSides ? 0.0 : i * step; // closed exactly
        circle.push_back(Add(centre, Add(Scale(radius * std::cos(angle), first),
                                         Scale(radius * std::sin(angle), second))));
    }
    lines.push_back(std::move(circle));
}

} // namespace

std::vector<std::vector<Vec3>> ContourLines(const DrawnSurface& surface, Vec3 eye)
{
    std::vector<std::vector<Vec3>> lines;
    switch (surface.kind) {
    case DrawnSurface::Kind::Cylinder:
        AddCylinderContour(lines, surface.cylinder, eye);
        break;
    case DrawnSurface::Kind::Cone:
        AddConeContour(lines, surface.cone, eye);
        break;
    case DrawnSurface::Kind::Sphere:
        AddSphereContour(lines, surface.sphere, eye);
        break;
    case DrawnSurface::Kind::None:
        break;
    }
    return lines;
}
