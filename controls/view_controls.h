// SPDX-License-Identifier: MIT
// What the curve buttons, the three scroll bars, a left-button drag and the
// orbit keys do to the view. The controls own the program's one ViewState;
// the bars and the label only show it, through a ControlPanel, and nothing is
// read back from them. Every redraw they ask for goes the same way: the
// view's frame is rebuilt, then the panel draws the view it is handed, and
// the next drag step turns the eye from that frame.
#pragma once

#include <utility>

#include "controls/angle_label.h"
#include "controls/control_panel.h"
#include "geometry/view_state.h"

class ViewControls {
public:
    explicit ViewControls(ControlPanel& panel) : m_panel(panel) {}

    // The view as the last action left it, with the frame of the last redraw.
    const ViewState& State() const { return m_view; }

    // Eye, look-at point, up, zoom and angle back to their defaults, with the
    // P and Z bars and the label. Leaves the A bar, the figure and the drag.
    void ResetView();

    // A curve button: start over from the defaults with this figure. A kind
    // that names no figure has no button and changes nothing.
    void OnCurveButton(CurveKind figure);

    // The view drawn again as it is, for a redraw that no control asked for
    // (a larger picture, another line style): the same frame rebuild and
    // redraw as every control's.
    void Redraw();

    // "Partes ocultas" on or off: the figure drawn again with its hidden
    // parts shown (geometry/view_state.h), or as plain lines.
    void SetHiddenParts(bool on);

    // One notification of a bar. `position` matters for the thumb codes
    // only. Always ends in a redraw.
    void OnScroll(Bar bar, ScrollCode code, int position = 0);
    // The same notification as the window system numbers it: the bar by its
    // control identifier, the code as 0 to 8 (higher codes change nothing).
    // An identifier that is none of the bars changes nothing but redraws.
    void OnVScroll(unsigned code, int position, int barId);

    // The left button and the mouse, with the cursor's screen position of the
    // event.
    void OnLButtonDown(ScreenPoint cursor);
    void OnMouseMove(ScreenPoint cursor);
    void OnLButtonUp();

    // The keyboard's stand-ins for the mouse, once a figure is shown (before
    // that they do nothing). An orbit key is one drag step of kOrbitKeyStep
    // pixels in its direction; a zoom key is one click on a Z arrow.
    enum class OrbitKey { Left, Right, Up, Down };
    void OnOrbitKey(OrbitKey key);
    void OnZoomKey(bool bigger);

    // What a bar stands for, as a screen reader reports it: the angle in
    // degrees, the zoom (not the Z thumb, which runs the other way), the eye
    // distance. SetBarValue moves the bar to a value as a dropped thumb would.
    double BarValue(Bar bar) const;
    std::pair<int, int> BarRange(Bar bar) const;
    void SetBarValue(Bar bar, double value);

private:
    void ScrollAngle(ScrollCode code, int position);
    void ScrollZoom(ScrollCode code, int position);
    void ScrollEyeDistance(ScrollCode code, int position);
    void Orbit(ScreenPoint from, ScreenPoint to);
    void ShowAngle();

    ControlPanel& m_panel;
    ViewState m_view;
};

// The logical pixels an orbit key stands for.
constexpr int kOrbitKeyStep = 10;

// Lowest angle the A bar allows for a figure: the helix and the conical
// helix need a pitch, the loxodrome may run along a meridian, and so its
// floor is the lowest of all.
int AngleFloor(CurveKind figure);
constexpr int kPitchedAngleFloor = 2;
constexpr int kMeridianAngleFloor = 0;
constexpr int kAngleCeiling = 89;

// The Z bar's range is the zoom's, upside down (its top is the largest
// picture); the P bar's is the eye's distance from the look-at point.
constexpr int kMaxZoom = 100;
constexpr int kMinEyeDistance = 20;
constexpr int kMaxEyeDistance = 300;
