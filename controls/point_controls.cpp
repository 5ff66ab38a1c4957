// SPDX-License-Identifier: MIT
#include "controls/point_controls.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "geometry/angles.h"
#include "render/angle_mark.h"

bool PointControls::Follow(const ViewState& view)
{
    const bool button = m_buttonPressed;
    m_buttonPressed = false;
    if (view.curveKind == m_curve.figure && view.angleDeg == m_curve.angleDeg && !button)
        return false;
    const bool newFigure = view.curveKind != m_curve.figure || button;
    m_curve = TraceOf(view.curveKind, view.angleDeg);
    m_parameter = newFigure ? DefaultParameter(m_curve) : m_curve.range.Clamp(m_parameter);
    return newFigure;
}

std::optional<double> PointControls::Shown() const
{
    if (!m_on || m_curve.figure == CurveKind::None)
        return std::nullopt;
    return m_parameter;
}

// Evenly along the curve's length: the last step lands on the end itself,
// however the steps round, since MoveTo holds the point to the range.
bool PointControls::Step(int direction)
{
    const double first = AlongCurve(m_curve, m_curve.range.first);
    const double last = AlongCurve(m_curve, m_curve.range.last);
    const double step = (last - first) / kPointStepsAlongCurve;
    const double along = AlongCurve(m_curve, m_parameter);
    return MoveTo(ParameterAlong(m_curve, direction > 0 ? along + step : along - step));
}

bool PointControls::MoveTo(double parameter)
{
    if (m_curve.figure == CurveKind::None || std::isnan(parameter))
        return false;
    const double clamped = m_curve.range.Clamp(parameter);
    const bool moved = clamped != m_parameter;
    m_parameter = clamped;
    return moved;
}

bool PointControls::MoveToNearestFlat(const FlatFit& fit, PicturePoint target)
{
    const std::optional<double> nearest = NearestFlatParameter(m_curve, fit, target);
    return nearest && MoveTo(*nearest);
}

double PointControls::AnimatedParameter(double seconds) const
{
    const CurveRange range = m_curve.range;
    const double run = std::fmod(std::fabs(seconds), kAnimationSeconds) / kAnimationSeconds;
    if (run == 0.0)
        return range.first;
    const double first = AlongCurve(m_curve, range.first);
    const double last = AlongCurve(m_curve, range.last);
    return range.Clamp(ParameterAlong(m_curve, first + (last - first) * run));
}

namespace {

// Squared distance in picture units from the target to the flat point of a
// parameter; infinite where the flat picture has no point there.
double SquaredFlatDistance(const TracedCurve& curve, const FlatFit& fit, PicturePoint target,
                           double parameter)
{
    const std::optional<FlatPoint> flat = FlatCurvePoint(curve, parameter);
    if (!flat)
        return INFINITY;
    const PicturePoint p = fit.Apply(*flat);
    const double dx = p.x - target.x, dy = p.y - target.y;
    return dx * dx + dy * dy;
}

// The nearest of the candidates, then refined between the parameters
// `reach` either side of it, where the distance has one minimum.
struct Nearest {
    const TracedCurve& curve;
    const FlatFit& fit;
    PicturePoint target;
    double best = INFINITY;
    double parameter = NAN;

    void Consider(double t)
    {
        t = curve.range.Clamp(t);
        const double d = SquaredFlatDistance(curve, fit, target, t);
        if (d < best) {
            best = d;
            parameter = t;
        }
    }
    std::optional<double> Refined(double reach)
    {
        if (std::isnan(parameter))
            return std::nullopt;
        double low = curve.range.Clamp(parameter - reach);
        double high = curve.range.Clamp(parameter + reach);
        for (int i = 0; i < 100 && low < high; ++i) {
            const double a = low + (high - low) / 3, b = high - (high - low) / 3;
            if (SquaredFlatDistance(curve, fit, target, a) <
                SquaredFlatDistance(curve, fit, target, b))
                high = b;
            else
                low = a;
        }
        Consider((low + high) / 2);
        return parameter;
    }
};

// How far inside a sheet's or the outline's edge a foot is held (in t, or
// in Mercator height): far below a pixel, far above the rounding.
constexpr double kHair = 1e-9;

// The target in development units, through the fit backwards.
FlatPoint Developed(const FlatFit& fit, PicturePoint target)
{
    return {(target.x - fit.e) / fit.k, (fit.f - target.y) / fit.k};
}

// The unwrapped helix is the line (15·t, 15·cot α·t), and sheet m of it is
// shifted by −m·30π: on each sheet the nearest point is the target's
// foot on the line, held to the sheet.
std::optional<double> NearestOnCylinder(Nearest& nearest)
{
    const double r = CylinderDimensions::kRadius;
    const double period = r * (Pi() + Pi());
    const double pitch = HelixPitch(nearest.curve.angleDeg);
    const CurveRange range = nearest.curve.range;
    const FlatPoint p = Developed(nearest.fit, nearest.target);
    const double firstSheet = std::floor(r * range.first / period);
    const double lastSheet = std::floor(r * range.last / period);
    // Within the outline's heights too: a foot above or below it is nearest
    // where the line leaves the outline. A hair inside, for the rounding.
    const double inside = 1 - 1e-12;
    const double lowest = inside * nearest.curve.low / (r * pitch);
    const double highest = inside * nearest.curve.high / (r * pitch);
    for (double m = firstSheet; m <= lastSheet; ++m) {
        const double x = p.x + m * period;
        const double foot = (x * r + p.y * r * pitch) / (r * r * (1 + pitch * pitch));
        // A hair inside the sheet, too: at the seam itself a point may round
        // onto the next sheet, the other edge of the picture.
        const double from = std::max(m * period / r + kHair, lowest);
        const double to = std::min((m + 1) * period / r - kHair, highest);
        if (from <= to)
            nearest.Consider(std::clamp(foot, from, to));
    }
    return nearest.Refined(1e-6);
}

// The loxodrome is the line X = tan α·Y of the Mercator map, Y the height
// −35·ln(tan(θ/2)), its sheets shifted by −m·70π: the same feet, by Y.
std::optional<double> NearestOnSphere(Nearest& nearest)
{
    const double r = SphereDimensions::kRadius;
    const double edge = r * Pi();
    const double tangent = std::tan(Radians(nearest.curve.angleDeg));
    const FlatPoint p = Developed(nearest.fit, nearest.target);
    auto thetaOf = [r](double y) { return 2 * std::atan(std::exp(-y / r)); };
    // X runs to tan α·35π over the square's heights: so many sheets.
    const double sheets = std::ceil(tangent * edge / (edge + edge)) + 1;
    for (double m = -sheets; m <= sheets; ++m) {
        const double x = p.x + m * (edge + edge);
        double foot = (x * tangent + p.y) / (tangent * tangent + 1);
        if (tangent > 0.0)
            foot = std::clamp(foot, (m * (edge + edge) - edge) / tangent + kHair,
                              (m * (edge + edge) + edge) / tangent - kHair);
        const double inside = edge * (1 - 1e-12); // a hair inside, for the rounding
        nearest.Consider(thetaOf(std::clamp(foot, -inside, inside)));
    }
    return nearest.Refined(1e-6);
}

// The spiral s = 8·e^(growth·t), ψ = t/2 crosses the target's ray, and
// the seam, once a half turn of ψ; with samples by the parameter and along
// its length for where it barely turns, the nearest of those is on the
// nearest pass.
std::optional<double> NearestOnCone(Nearest& nearest)
{
    const TracedCurve& curve = nearest.curve;
    const CurveRange range = curve.range;
    const FlatPoint p = Developed(nearest.fit, nearest.target);
    const double pi = Pi();
    const double psi = std::atan2(-p.y, p.x); // on sheet 0 ψ runs from 0 to π downwards
    const double firstTurn = std::floor((range.first / 2 - psi) / pi);
    const double lastTurn = std::ceil((range.last / 2 - psi) / pi);
    // And either side of the seam, where a target beyond the diameter is
    // nearest to the spiral: at the edge rays ψ = 0 and ψ = π.
    for (double m = firstTurn; m <= lastTurn; ++m) {
        nearest.Consider(2 * (psi + m * pi));
        nearest.Consider(2 * m * pi + kHair);
        nearest.Consider(2 * m * pi - kHair);
    }
    const double first = AlongCurve(curve, range.first), last = AlongCurve(curve, range.last);
    for (int i = 0; i <= kNearestSamples; ++i) {
        nearest.Consider(range.first + (range.last - range.first) * i / kNearestSamples);
        nearest.Consider(ParameterAlong(curve, first + (last - first) * i / kNearestSamples));
    }
    // Between the neighbouring crossings, half a turn of ψ either way.
    const double reach = std::min(pi, (range.last - range.first) / kNearestSamples * 2);
    const std::optional<double> local = nearest.Refined(reach);
    return local ? nearest.Refined(std::fabs(*local) * 1e-9 + 1e-12) : local;
}

} // namespace

std::optional<double> NearestFlatParameter(const TracedCurve& curve, const FlatFit& fit,
                                           PicturePoint target)
{
    if (!(curve.range.last > curve.range.first))
        return std::nullopt;
    Nearest nearest{curve, fit, target};
    switch (curve.figure) {
    case CurveKind::Helix:
        return NearestOnCylinder(nearest);
    case CurveKind::ConicalHelix:
        return NearestOnCone(nearest);
    case CurveKind::SphericalHelix:
        return NearestOnSphere(nearest);
    default:
        return std::nullopt;
    }
}
