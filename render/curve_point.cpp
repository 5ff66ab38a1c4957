// SPDX-License-Identifier: MIT
#include "render/curve_point.h"

#include <algorithm>
#include <limits>

#include "geometry/angles.h"
#include "render/tracers.h"

double HelixPitch(int angleDeg) { return 1 / std::tan(Radians(angleDeg)); }

double ConeDrop() { return 1 / std::tan(Pi() * ConeDimensions::kSixth); }

double ConeGrowth(int angleDeg)
{
    return std::sin(Pi() * ConeDimensions::kSixth) * (1 / std::tan(Radians(angleDeg)));
}

double LoxodromeLongitude(double theta, int angleDeg)
{
    return -(std::log(std::tan(theta * 0.5)) * std::tan(Radians(angleDeg)));
}

namespace {

// The parameter of a helix half's last vertex: its counter runs from 0 by
// `step`, and each vertex has t = i/15 as the tracer computes it.
double HelixHalfEnd(FigurePolyline half, int step)
{
    return (step * (int(half.count) - 1)) * CylinderDimensions::kParameterStep;
}

TracedCurve HelixTrace(int angleDeg, const FigureModel& model)
{
    TracedCurve curve{CurveKind::Helix, angleDeg, {}, 0.0, 0.0};
    if (model.curve.size() != 2)
        return {};
    curve.range = {HelixHalfEnd(model.curve[1], -1), HelixHalfEnd(model.curve[0], +1)};
    curve.low = std::numeric_limits<double>::infinity();
    curve.high = -curve.low;
    for (FigurePolyline wire : model.wire)
        for (uint32_t i = wire.first; i < wire.first + wire.count; ++i) {
            curve.low = std::min(curve.low, model.z[i]);
            curve.high = std::max(curve.high, model.z[i]);
        }
    return curve;
}

// The rim is where every ruling ends: its last vertex, at slant twice its
// distance from the axis.
TracedCurve ConeTrace(int angleDeg, const FigureModel& model)
{
    using D = ConeDimensions;
    if (model.curve.size() != 1 || model.wire.empty())
        return {};
    const int first = D::FirstCurveCounter();
    const int last = first + int(model.curve[0].count) - 1;
    const double rimU = (int(model.wire[0].count) - 1) * D::kStep;
    return {CurveKind::ConicalHelix,
            angleDeg,
            {first * D::kStep, last * D::kStep},
            0.0,
            2.0 * (rimU * D::kRadiusScale)};
}

TracedCurve SphereTrace(int angleDeg, const FigureModel& model)
{
    using D = SphereDimensions;
    if (model.curve.size() != 1)
        return {};
    return {CurveKind::SphericalHelix,
            angleDeg,
            {1 * D::kCurveStep, int(model.curve[0].count) * D::kCurveStep},
            0.0,
            Pi()};
}

} // namespace

TracedCurve TraceOf(CurveKind figure, int angleDeg, const FigureModel& model)
{
    switch (figure) {
    case CurveKind::Helix:
        return HelixTrace(angleDeg, model);
    case CurveKind::ConicalHelix:
        return ConeTrace(angleDeg, model);
    case CurveKind::SphericalHelix:
        return SphereTrace(angleDeg, model);
    default:
        return {};
    }
}

TracedCurve TraceOf(CurveKind figure, int angleDeg)
{
    const FigureBuilder build = BuilderOf(figure);
    return build ? TraceOf(figure, angleDeg, build(angleDeg)) : TracedCurve{};
}

double DefaultParameter(const TracedCurve& curve)
{
    switch (curve.figure) {
    case CurveKind::ConicalHelix: {
        // Half the rim's distance from the axis, in units of the 4 that
        // scale ρ; the rim's distance is half its slant.
        const double rho = curve.high / 2.0 / ConeDimensions::kRadiusScale / 2.0;
        return curve.range.Clamp(std::log(rho) / ConeGrowth(curve.angleDeg));
    }
    case CurveKind::SphericalHelix:
        return curve.range.Clamp(Pi() / 2);
    default:
        return curve.range.Clamp(0.0);
    }
}

double AlongCurve(const TracedCurve& curve, double parameter)
{
    if (curve.figure == CurveKind::ConicalHelix)
        return std::exp(parameter * ConeGrowth(curve.angleDeg));
    return parameter;
}

double ParameterAlong(const TracedCurve& curve, double along)
{
    if (curve.figure == CurveKind::ConicalHelix)
        return along > 0.0 ? std::log(along) / ConeGrowth(curve.angleDeg)
                           : -std::numeric_limits<double>::infinity();
    return along;
}

namespace {

CurvePoint HelixPoint(int angleDeg, double t)
{
    constexpr double r = CylinderDimensions::kRadius;
    const double pitch = HelixPitch(angleDeg);
    return {HelixVertex(t, pitch),
            {-r * std::sin(t), r * std::cos(t), pitch * CylinderDimensions::kHeightScale},
            {0.0, 0.0, 1.0}};
}

// ρ' = growth·ρ, so the derivative of (4ρ cos t, 4ρ sin t, 50 − 4ρ·drop) is
// 4·(ρ' cos t − ρ sin t, ρ' sin t + ρ cos t, −ρ'·drop).
CurvePoint ConePoint(int angleDeg, double t)
{
    constexpr double scale = ConeDimensions::kRadiusScale;
    const double drop = ConeDrop();
    const double growth = ConeGrowth(angleDeg);
    const double rho = std::exp(t * growth);
    const double rate = growth * rho;
    const double c = std::cos(t), s = std::sin(t);
    return {ConicalHelixVertex(t, rho, drop),
            Scale(scale, {rate * c - rho * s, rate * s + rho * c, -(rate * drop)}),
            {c, s, -drop}};
}

// λ' = −tan α / sin θ, so sin θ·λ' = −tan α, and the derivative of
// 35·(cos λ sin θ, sin λ sin θ, cos θ) is
// 35·(cos λ cos θ + sin λ tan α, sin λ cos θ − cos λ tan α, −sin θ).
CurvePoint SpherePointAt(int angleDeg, double theta)
{
    constexpr double r = SphereDimensions::kRadius;
    const double lambda = LoxodromeLongitude(theta, angleDeg);
    const double tangent = std::tan(Radians(angleDeg));
    const double cl = std::cos(lambda), sl = std::sin(lambda);
    const double ct = std::cos(theta), st = std::sin(theta);
    return {SpherePoint(cl, sl, theta),
            Scale(r, {cl * ct + sl * tangent, sl * ct - cl * tangent, -st}),
            {-(cl * ct), -(sl * ct), st}};
}

} // namespace

bool IsDirection(Vec3 v) { return IsFinite(v) && Length(v) >= 0x1p-900; }

CurvePoint PointOnCurve(CurveKind figure, int angleDeg, double parameter)
{
    switch (figure) {
    case CurveKind::Helix:
        return HelixPoint(angleDeg, parameter);
    case CurveKind::ConicalHelix:
        return ConePoint(angleDeg, parameter);
    case CurveKind::SphericalHelix:
        return SpherePointAt(angleDeg, parameter);
    default:
        return {};
    }
}

bool HasDirections(const CurvePoint& point)
{
    return IsFinite(point.position) && IsDirection(point.tangent) && IsDirection(point.generatrix);
}

// Both brought to the unit range first, exactly, so that neither the cross
// nor the dot product underflows for a tiny direction near the apex.
double AngleBetweenDeg(Vec3 a, Vec3 b)
{
    a = ToUnitRange(a);
    b = ToUnitRange(b);
    const double across = Length(Cross(a, b));
    const double along = std::fabs(Dot(a, b));
    return std::atan2(across, along) * (180.0 / Pi());
}
