// Three-component vectors in model space.
//
// Conventions for the whole geometry layer: right-handed axes (x × y = z),
// angles in radians, every quantity an IEEE double rounded to nearest. The
// order of the terms in Dot and Length is fixed on purpose: the vertex counts
// of the figures depend on last-bit agreement of these results.
#pragma once

struct Vec3 {
    double x = 0.0;
    double y = 0.0;
    double z = 0.0;
};

// π as the arc cosine of −1, evaluated on every call.
double Pi();

Vec3 Add(Vec3 a, Vec3 b);
// a − b: the second operand is taken from the first.
Vec3 Subtract(Vec3 a, Vec3 b);
// s · v: the scalar comes first.
Vec3 Scale(double s, Vec3 v);
double Dot(Vec3 a, Vec3 b);
// Right-handed: Cross({1,0,0}, {0,1,0}) is {0,0,1}.
Vec3 Cross(Vec3 a, Vec3 b);
double Length(Vec3 v);
// Divides each component by the length. The zero vector gives not-a-number
// components; callers that can meet it guard against keeping that result.
Vec3 Normalize(Vec3 v);

bool IsFinite(Vec3 v);
