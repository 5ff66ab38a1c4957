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

bool HiddenOnCylinder(const DrawnCylinder& cylinder, Vec3 point, Vec3 eye);
bool HiddenOnCone(const DrawnCone& cone, Vec3 point, Vec3 eye);
bool HiddenOnSphere(const DrawnSphere& sphere, Vec3 point, Vec3 eye);

// The test of the surface's kind.
bool HiddenOn(const DrawnSurface& surface, Vec3 point, Vec3 eye);

// Whether a point lies on the part of the cone that is drawn: below the apex
// and within the rim.
bool OnDrawnCone(const DrawnCone& cone, Vec3 point);
