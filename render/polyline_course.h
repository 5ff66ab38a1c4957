// SPDX-License-Identifier: MIT
// How a polyline of a figure runs between two consecutive vertices: the
// point of the curve it samples at a fraction f of the way, in the curve's
// own parameter, from vertex a (f = 0) to vertex b (f = 1). Every polyline
// steps its parameter evenly from vertex to vertex, so the parameter there
// is the vertices' parameters mixed in the ratio f.
//
// - Chord: a generatrix of the cylinder, a ruling of the cone: the segment.
// - Helix: angle about the z axis and height both linear in t.
// - Conical spiral: angle about the z axis linear in t, distance from the
//   axis exponential in it, so its logarithm is linear; the height follows
//   on the cone.
// - Great circle: a circle about the origin stepped by equal angles.
// - Loxodrome: the colatitude θ linear, the longitude −tan α · ln tan(θ/2).
#pragma once

#include "geometry/vec3.h"
#include "geometry/view_state.h"
#include "geometry/visibility.h"

struct PolylineCourse {
    enum class Kind { Chord, Helix, ConicalSpiral, GreatCircle, Loxodrome };
    Kind kind = Kind::Chord;
    DrawnCone cone;       // the conical spiral's cone
    double radius = 0.0;  // the loxodrome's sphere
    double tangent = 0.0; // tan α, for the loxodrome
};

// The course of the figure's wires, and of its curve at an angle.
PolylineCourse WireCourse(CurveKind figure);
PolylineCourse CurveCourse(CurveKind figure, int angleDeg);

// The point at fraction f from a to b along the course. f = 0 and f = 1 give
// the vertices, to rounding; two equal vertices give that vertex.
Vec3 PointBetween(const PolylineCourse& course, Vec3 a, Vec3 b, double f);

// The colatitude of a point, from the north pole, 0 to π; and the loxodrome's
// point at a colatitude (not finite at the poles).
double Colatitude(Vec3 p);
Vec3 LoxodromeAt(const PolylineCourse& course, double theta);

// The point at fraction f of the chord from a to b: a + f·(b − a).
inline Vec3 ChordPoint(Vec3 a, Vec3 b, double f) { return Add(a, Scale(f, Subtract(b, a))); }
