// SPDX-License-Identifier: MIT
#include "controls/point_controls.h"

#include <cmath>

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

} // namespace

std::optional<double> NearestFlatParameter(const TracedCurve& curve, const FlatFit& fit,
                                           PicturePoint target)
{
    const CurveRange range = curve.range;
    if (curve.figure == CurveKind::None || !(range.last > range.first))
        return std::nullopt;
    const double step = (range.last - range.first) / kNearestSamples;
    double best = INFINITY;
    int bestIndex = -1;
    for (int i = 0; i <= kNearestSamples; ++i) {
        const double d = SquaredFlatDistance(curve, fit, target, range.first + i * step);
        if (d < best) {
            best = d;
            bestIndex = i;
        }
    }
    if (bestIndex < 0)
        return std::nullopt;
    // Ternary search between the neighbours: the distance has one minimum
    // that close to the nearest sample.
    double low = range.Clamp(range.first + (bestIndex - 1) * step);
    double high = range.Clamp(range.first + (bestIndex + 1) * step);
    for (int i = 0; i < 60; ++i) {
        const double a = low + (high - low) / 3, b = high - (high - low) / 3;
        if (SquaredFlatDistance(curve, fit, target, a) < SquaredFlatDistance(curve, fit, target, b))
            high = b;
        else
            low = a;
    }
    const double refined = (low + high) / 2;
    return SquaredFlatDistance(curve, fit, target, refined) <= best
               ? refined
               : range.first + bestIndex * step;
}
