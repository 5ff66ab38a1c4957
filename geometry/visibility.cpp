// SPDX-License-Identifier: MIT
#include "geometry/visibility.h"

#include <cmath>

// The line P + s·D meets the cylinder's infinite wall where
// |P_xy + s·D_xy|² = r². P lies on it, so one root is s = 0 and the other
// s* = −2 (P·D)_xy / |D_xy|². P is hidden when the segment reaches that
// second crossing before the eye, 0 < s* < 1, and the wall is drawn at the
// height there. A segment parallel to the axis runs along the wall and
// meets it nowhere else.
bool HiddenOnCylinder(const DrawnCylinder& cylinder, Vec3 point, Vec3 eye)
{
    const Vec3 d = Subtract(eye, point);
    const double across = d.x * d.x + d.y * d.y;
    if (!(across > 0.0))
        return false;
    const double s = -2.0 * (point.x * d.x + point.y * d.y) / across;
    if (!(s > 0.0 && s < 1.0))
        return false;
    const double z = point.z + s * d.z;
    return z >= cylinder.bottom && z <= cylinder.top;
}

bool OnDrawnCone(const DrawnCone& cone, Vec3 point)
{
    return point.z <= cone.apexHeight &&
           point.x * point.x + point.y * point.y <= cone.rimRadius * cone.rimRadius;
}

// The cone about the z axis with apex height h and slope k is
// x² + y² = k² (h − z)², both nappes. Along P + s·D that is
// a s² + b s + c = 0 with a = |D_xy|² − k² D_z², b = 2 ((P·D)_xy + k² (h − P_z) D_z)
// and c ≈ 0, as P lies on it: one root is s = 0, the second s* = −b / a.
// P is hidden when 0 < s* < 1 and the point there lies on the drawn nappe;
// a crossing of the upper nappe, above the apex, hides nothing. With a = 0
// the line runs parallel to a ruling and has no second root.
bool HiddenOnCone(const DrawnCone& cone, Vec3 point, Vec3 eye)
{
    const Vec3 d = Subtract(eye, point);
    const double k2 = cone.tanHalfAngle * cone.tanHalfAngle;
    const double a = (d.x * d.x + d.y * d.y) - k2 * (d.z * d.z);
    const double b =
        2.0 * ((point.x * d.x + point.y * d.y) + k2 * (cone.apexHeight - point.z) * d.z);
    if (a == 0.0 || !std::isfinite(a) || !std::isfinite(b))
        return false;
    const double s = -b / a;
    if (!(s > 0.0 && s < 1.0))
        return false;
    return OnDrawnCone(cone, Add(point, Scale(s, d)));
}

// Seen from outside the sphere, P is on the near side when the eye lies
// beyond P's tangent plane, (E − P)·P > 0, which for |P| = r is P·E > r².
// From inside (or on) the sphere the eye sees all of it from within.
bool HiddenOnSphere(const DrawnSphere& sphere, Vec3 point, Vec3 eye)
{
    const double r2 = sphere.radius * sphere.radius;
    return Dot(point, eye) < r2 && Length(eye) > sphere.radius;
}

bool HiddenOn(const DrawnSurface& surface, Vec3 point, Vec3 eye)
{
    switch (surface.kind) {
    case DrawnSurface::Kind::Cylinder:
        return HiddenOnCylinder(surface.cylinder, point, eye);
    case DrawnSurface::Kind::Cone:
        return HiddenOnCone(surface.cone, point, eye);
    case DrawnSurface::Kind::Sphere:
        return HiddenOnSphere(surface.sphere, point, eye);
    case DrawnSurface::Kind::None:
        break;
    }
    return false;
}
