// SPDX-License-Identifier: MIT
// What the eye sees of the drawn surfaces: each point of a surface is seen
// or hidden from the view's eye, a point at a finite distance (see
// view_frame.h), never from a direction of view.
//
// A point P of a drawn surface is hidden when the open segment from P to the
// eye E meets the drawn surface again; D = E − P runs along that segment,
// P + s·D for 0 < s < 1. The surfaces are open (a cylinder has no lids, a
// cone no base), so through an open end the eye sees the inside, and the
// far side of the surface there is seen. Every test is written for a point
// on its surface (a vertex or a point of a curve drawn on it); all three give
// "seen" for an eye on the point itself and never a not-a-number decision.
// Model units throughout, the axis of every surface the z axis.
#pragma once

#include <cmath>
#include <cstddef>

#include "geometry/vec3.h"

// A cylinder about the z axis, from height `bottom` to height `top`.
struct DrawnCylinder {
    double radius = 0.0;
    double bottom = 0.0;
    double top = 0.0;
};

// The nappe below the apex (0, 0, apexHeight) of a cone about the z axis,
// its distance from the axis growing by tanHalfAngle per unit of drop, down
// to the rim at rimRadius from the axis.
struct DrawnCone {
    double apexHeight = 0.0;
    double tanHalfAngle = 0.0;
    double rimRadius = 0.0;
};

// A sphere about the origin.
struct DrawnSphere {
    double radius = 0.0;
};

// One of the surfaces, as a figure draws it; None hides nothing.
struct DrawnSurface {
    enum class Kind { None, Cylinder, Cone, Sphere };
    Kind kind = Kind::None;
    DrawnCylinder cylinder;
    DrawnCone cone;
    DrawnSphere sphere;
};

// The three tests, inline: the split runs them thousands of times a redraw.

// The line P + s·D meets the cylinder's infinite wall where
// |P_xy + s·D_xy|² = r². P lies on it, so one root is s = 0 and the other
// s* = −2 (P·D)_xy / |D_xy|². P is hidden when the segment reaches that
// second crossing before the eye, 0 < s* < 1, and the wall is drawn at the
// height there. A segment parallel to the axis runs along the wall and
// meets it nowhere else.
inline bool HiddenOnCylinder(const DrawnCylinder& cylinder, Vec3 point, Vec3 eye)
{
    // Multiplied through by |D_xy|² > 0, which keeps every comparison and
    // spares a division.
    const Vec3 d = Subtract(eye, point);
    const double across = d.x * d.x + d.y * d.y;
    const double crossing = -2.0 * (point.x * d.x + point.y * d.y); // s*·|D_xy|²
    const double z = point.z * across + crossing * d.z;             // its height·|D_xy|²
    // All five at once, with no branch to guess: a bisection asks this
    // of points as often seen as hidden.
    return (across > 0.0) & (crossing > 0.0) & (crossing < across) &
           (z >= cylinder.bottom * across) & (z <= cylinder.top * across);
}

// Whether a point lies on the part of the cone that is drawn: below the apex
// and within the rim.
inline bool OnDrawnCone(const DrawnCone& cone, Vec3 point)
{
    return (point.z <= cone.apexHeight) &
           (point.x * point.x + point.y * point.y <= cone.rimRadius * cone.rimRadius);
}

// The cone about the z axis with apex height h and slope k is
// x² + y² = k² (h − z)², both nappes. Along P + s·D that is
// a s² + b s + c = 0 with a = |D_xy|² − k² D_z², b = 2 ((P·D)_xy + k² (h − P_z) D_z)
// and c ≈ 0, as P lies on it: one root is s = 0, the second s* = −b / a.
// P is hidden when 0 < s* < 1 and the point there lies on the drawn nappe;
// a crossing of the upper nappe, above the apex, hides nothing. With a = 0
// the line runs parallel to a ruling and has no second root: s* is then
// infinite or not a number, as it is when a or b overflows, and fails
// 0 < s* < 1, so no case needs a branch of its own.
inline bool HiddenOnCone(const DrawnCone& cone, Vec3 point, Vec3 eye)
{
    const Vec3 d = Subtract(eye, point);
    const double k2 = cone.tanHalfAngle * cone.tanHalfAngle;
    const double a = (d.x * d.x + d.y * d.y) - k2 * (d.z * d.z);
    const double b =
        2.0 * ((point.x * d.x + point.y * d.y) + k2 * (cone.apexHeight - point.z) * d.z);
    const double s = -b / a;
    return (s > 0.0) & (s < 1.0) & OnDrawnCone(cone, Add(point, Scale(s, d)));
}

// Seen from outside the sphere, P is on the near side when the eye lies
// beyond P's tangent plane, (E − P)·P > 0, which for |P| = r is P·E > r².
// From inside (or on) the sphere the eye sees all of it from within.
inline bool HiddenOnSphere(const DrawnSphere& sphere, Vec3 point, Vec3 eye)
{
    const double r2 = sphere.radius * sphere.radius;
    return Dot(point, eye) < r2 && Length(eye) > sphere.radius;
}

// The test of the surface's kind.
bool HiddenOn(const DrawnSurface& surface, Vec3 point, Vec3 eye);

// HiddenOn for `count` points given by component, hidden[i] 1 where it
// holds and 0 where not: one loop of the kind's test for the vertices of a
// whole polyline, kept in doubles so that it runs on the vector units.
void HiddenOnEach(const DrawnSurface& surface, Vec3 eye, const double* x, const double* y,
                  const double* z, size_t count, double* hidden);
