// Three-component vectors in model space.
//
// Conventions for the whole geometry layer: right-handed axes (x × y = z),
// angles in radians, every quantity an IEEE double rounded to nearest. The
// order of the terms in Dot and Length is fixed on purpose: the vertex counts
// of the figures depend on last-bit agreement of these results. The
// operations are defined here so that the projection loop inlines them.
#pragma once

#include <cmath>

struct Vec3 {
    double x = 0.0;
    double y = 0.0;
    double z = 0.0;
};

// π as the arc cosine of −1, evaluated on every call.
inline double Pi() { return std::acos(-1.0); }

inline Vec3 Add(Vec3 a, Vec3 b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }

// a − b: the second operand is taken from the first.
inline Vec3 Subtract(Vec3 a, Vec3 b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }

// s · v: the scalar comes first.
inline Vec3 Scale(double s, Vec3 v) { return {s * v.x, s * v.y, s * v.z}; }

inline double Dot(Vec3 a, Vec3 b) { return (a.z * b.z + a.y * b.y) + a.x * b.x; }

// Right-handed: Cross({1,0,0}, {0,1,0}) is {0,0,1}.
inline Vec3 Cross(Vec3 a, Vec3 b)
{
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

inline double Length(Vec3 v) { return std::sqrt((v.z * v.z + v.y * v.y) + v.x * v.x); }

// Divides each component by the length. The zero vector gives not-a-number
// components; callers that can meet it guard against keeping that result.
inline Vec3 Normalize(Vec3 v)
{
    const double length = Length(v);
    return {v.x / length, v.y / length, v.z / length};
}

inline bool IsFinite(Vec3 v)
{
    return std::isfinite(v.x) && std::isfinite(v.y) && std::isfinite(v.z);
}
