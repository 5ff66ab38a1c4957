// SPDX-License-Identifier: MIT
// The point whose angle the window marks ("Ángulo en un punto"): whether the
// mark is shown, where the point is on the curve shown, and what moves it
// (the keys' steps, a press in the flat picture, the animation). No toolkit
// and no clock: the shell hands in the elapsed time of an animation, and
// passes the point to the redraw beside the view, which it does not touch.
//
// The point is the curve's own parameter (render/curve_point.h). It never
// leaves the drawn curve: every move is held to the range from its first
// vertex to its last.
#pragma once

#include <optional>

#include "geometry/view_state.h"
#include "render/curve_point.h"
#include "render/flat_picture.h"
#include "render/picture_paths.h"

// Presses of Shift+Left or Shift+Right that take the point from one end of
// the curve to the other, in even steps along its length (AlongCurve).
constexpr int kPointStepsAlongCurve = 200;
// One run of the animation from the curve's start to its end, in seconds.
constexpr double kAnimationSeconds = 12.0;

class PointControls {
public:
    bool On() const { return m_on; }
    void SetOn(bool on) { m_on = on; }

    // Follows the figure and the angle the view shows, before each redraw:
    // another figure, or a curve button pressed again (ExpectCurveButton),
    // puts the point at the figure's default; another angle keeps the
    // parameter, held to the new curve's range. Returns whether the figure
    // changed, so that an animation of the last one stops.
    bool Follow(const ViewState& view);
    // The next Follow comes from a curve button.
    void ExpectCurveButton() { m_buttonPressed = true; }

    // The curve the point lies on; of no figure before the first one.
    const TracedCurve& Curve() const { return m_curve; }
    double Parameter() const { return m_parameter; }
    // The point, while the mark is on and a figure is shown.
    std::optional<double> Shown() const;

    // One key step along the curve, +1 forwards or −1 back; stops at the
    // ends. Returns whether the point moved.
    bool Step(int direction);
    // The point to a parameter, held to the curve's range; not-a-number
    // leaves it where it is. Returns whether it moved.
    bool MoveTo(double parameter);
    // The point to the curve point nearest `target` in the flat picture of
    // fit `fit`, in picture units; nothing where no curve point is drawn
    // there.
    bool MoveToNearestFlat(const FlatFit& fit, PicturePoint target);

    // Where the animation has the point `seconds` after it started: from
    // the curve's start to its end in kAnimationSeconds, at an even speed
    // along its length, then from the start again.
    double AnimatedParameter(double seconds) const;

private:
    bool m_on = false;
    bool m_buttonPressed = false;
    TracedCurve m_curve;
    double m_parameter = 0.0;
};

// The parameter of the flat picture's curve point nearest `target` (picture
// units through `fit`). The helix and the loxodrome are straight lines
// there, so on each sheet the nearest point is the target's foot on the
// line; the cone's spiral is searched where it crosses the target's ray and
// among kNearestSamples points by the parameter and along its length. Each
// is then refined where the distance has one minimum. Nothing when no
// point of the curve lies inside the outline.
constexpr int kNearestSamples = 2000;
std::optional<double> NearestFlatParameter(const TracedCurve& curve, const FlatFit& fit,
                                           PicturePoint target);
