// SPDX-License-Identifier: MIT
// A point on a figure's curve, given by the curve's own parameter, and the
// two directions the curve's angle is measured between there.
//
// Conventions. Model units and radians. The parameters are the tracers':
// - the helix's t: its vertex i (counted from (15, 0, 0), negative on the
//   lower half) has t = i/15;
// - the conical helix's winding angle t: its vertex counter n has t = 0.2·n;
// - the loxodrome's colatitude θ, the angle from the north pole: its vertex
//   n has θ = 0.01·n, and 0 < θ < π.
// The tangent is the analytic derivative of the position by the parameter,
// never a chord. The generatrix direction points along the surface's line
// through the point: upwards on the cylinder (+z) and on the sphere (along
// the meridian towards the north pole), outwards on the cone (along the
// ruling away from the apex).
#pragma once

#include <cmath>

#include "geometry/vec3.h"
#include "geometry/view_state.h"
#include "render/figure_dimensions.h"
#include "render/figure_model.h"

// The curves' vertices as every tracer computes them, term for term: the
// figures' vertex counts, and the point that must lie on the drawn curve,
// follow from these exact doubles.
inline Vec3 HelixVertex(double t, double pitch)
{
    constexpr double r = CylinderDimensions::kRadius;
    return {r * std::cos(t), r * std::sin(t), (pitch * t) * CylinderDimensions::kHeightScale};
}

inline Vec3 ConicalHelixVertex(double t, double rho, double drop)
{
    using D = ConeDimensions;
    return {(std::cos(t) * rho) * D::kRadiusScale, (std::sin(t) * rho) * D::kRadiusScale,
            D::kApexHeight - (rho * drop) * D::kRadiusScale};
}

// θ from the positive z axis, λ about it from the positive x axis.
inline Vec3 SpherePoint(double cosLambda, double sinLambda, double theta)
{
    constexpr double r = SphereDimensions::kRadius;
    return {(cosLambda * std::sin(theta)) * r, (sinLambda * std::sin(theta)) * r,
            std::cos(theta) * r};
}

// The shape numbers of the curves at an angle, computed as the tracers
// compute them.
// The helix's rise per radian of turn, over the radius: cot α.
double HelixPitch(int angleDeg);
// The cone's axial drop per unit of distance from the axis, cot 30°.
double ConeDrop();
// The conical helix's ρ = exp(growth·t): growth = sin 30°·cot α.
double ConeGrowth(int angleDeg);
// The loxodrome's longitude λ = −ln(tan(θ/2))·tan α.
double LoxodromeLongitude(double theta, int angleDeg);

// The parameters of the drawn curve's first and last vertices.
struct CurveRange {
    double first = 0.0;
    double last = 0.0;

    bool Contains(double parameter) const { return parameter >= first && parameter <= last; }
    // The nearest parameter within the range; not-a-number gives `first`.
    double Clamp(double parameter) const
    {
        return parameter > last ? last : parameter >= first ? parameter : first;
    }
};

// What a figure's tracer drew, as far as a point on its curve needs it: the
// curve's range and how far the surface reaches along a generatrix.
struct TracedCurve {
    CurveKind figure = CurveKind::None;
    int angleDeg = 0;
    CurveRange range;
    // The surface as drawn, along a generatrix: the cylinder's lowest and
    // highest wire heights; the cone's slant from the apex (0) to the rim;
    // the sphere's colatitudes 0 to π.
    double low = 0.0;
    double high = 0.0;
};

// The traced curve of a figure's model at its angle. CurveKind::None, or a
// model without a curve, gives a curve of figure None.
TracedCurve TraceOf(CurveKind figure, int angleDeg, const FigureModel& model);
// The same, building the model.
TracedCurve TraceOf(CurveKind figure, int angleDeg);

// Where a curve button puts the point, facing the default eye: the helix at
// t = 0, (15, 0, 0); the conical helix where its distance from the axis is
// half the rim's, ρ = 6.2; the loxodrome on the equator, θ = π/2. Held to
// the curve's range.
double DefaultParameter(const TracedCurve& curve);

// A measure along the curve that grows with the parameter in proportion to
// the curve's length: the helix's t, the conical helix's ρ, the loxodrome's
// θ (each curve's length is a constant times it). What moves the point
// evenly moves it by this measure, so that it goes as fast next to the
// cone's apex as at its rim. ParameterAlong is its inverse; a measure at or
// below the cone's apex gives minus infinity.
double AlongCurve(const TracedCurve& curve, double parameter);
double ParameterAlong(const TracedCurve& curve, double along);

// The point's position, its tangent and its generatrix direction.
struct CurvePoint {
    Vec3 position;
    Vec3 tangent;
    Vec3 generatrix;
};
// At any finite parameter; the caller keeps it within the curve's range.
CurvePoint PointOnCurve(CurveKind figure, int angleDeg, double parameter);

// Whether a vector has a direction to measure by: finite, and so far above
// the subnormals (2^-900 long at least) that no component's rounding among
// them shows in its direction. Next to the cone's apex, where ρ underflows,
// the tangent has none.
bool IsDirection(Vec3 v);
// Whether the point is finite and both its directions exist.
bool HasDirections(const CurvePoint& point);

// The angle between two directions in degrees, 0 to 90, whichever way
// either points: acos(|a·b| / (|a|·|b|)), computed as the arc tangent of
// |a × b| over |a·b|, which keeps its precision near 0° and near 90°.
double AngleBetweenDeg(Vec3 a, Vec3 b);
