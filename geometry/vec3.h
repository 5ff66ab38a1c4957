// SPDX-License-Identifier: MIT
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

inline bool IsFinite(Vec3 v)
{
    return std::isfinite(v.x) && std::isfinite(v.y) && std::isfinite(v.z);
}

// v.x² + v.y² + v.z², summed in the order Length fixes.
inline double SquaredLength(Vec3 v) { return (v.z * v.z + v.y * v.y) + v.x * v.x; }

// A finite, non-zero vector whose squared length overflows, underflows to 0
// or falls among the subnormals has lost its length in the squares, though
// not in its components.
inline bool SquareLosesLength(Vec3 v, double squared)
{
    return !std::isnormal(squared) && IsFinite(v) && (v.x != 0.0 || v.y != 0.0 || v.z != 0.0);
}

// v times 2^−e, with e the binary exponent of its largest component, so that
// the largest lies in [1, 2). A power of two scales exactly: only components
// some 2^1022 times smaller than the largest lose bits, and those add nothing
// to its length anyway.
inline Vec3 ToUnitRange(Vec3 v, int* exponent = nullptr)
{
    const double largest = std::fmax(std::fabs(v.x), std::fmax(std::fabs(v.y), std::fabs(v.z)));
    const int e = largest > 0.0 && std::isfinite(largest) ? std::ilogb(largest) : 0;
    if (exponent)
        *exponent = e;
    return {std::ldexp(v.x, -e), std::ldexp(v.y, -e), std::ldexp(v.z, -e)};
}

// Where the squared length is a normal number, the plain formula, to the last
// bit; otherwise the same formula on the vector brought to the unit range.
inline double Length(Vec3 v)
{
    const double squared = SquaredLength(v);
    if (!SquareLosesLength(v, squared))
        return std::sqrt(squared);
    int exponent = 0;
    const Vec3 unitRange = ToUnitRange(v, &exponent);
    return std::ldexp(std::sqrt(SquaredLength(unitRange)), exponent);
}

// Divides each component by the length. The zero vector gives not-a-number
// components; callers that can meet it guard against keeping that result.
// A vector too large or too small to square is brought to the unit range
// first, which gives its direction at full precision.
inline Vec3 Normalize(Vec3 v)
{
    if (SquareLosesLength(v, SquaredLength(v)))
        v = ToUnitRange(v);
    const double length = std::sqrt(SquaredLength(v));
    return {v.x / length, v.y / length, v.z / length};
}
