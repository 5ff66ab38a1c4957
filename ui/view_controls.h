// What the curve buttons, the three scroll bars and a left-button drag do to
// the view. Every value lives in View(); the bars and the label only show it,
// through a ControlPanel, and nothing is read back from them.
#pragma once

#include "geometry/view_state.h"
#include "ui/control_panel.h"

class ViewControls {
public:
    explicit ViewControls(ControlPanel& panel) : panel_(panel) {}

    // Eye, look-at point, up, zoom and angle back to their defaults, with the
    // P and Z bars and the label. Leaves the A bar, the figure and the drag.
    void ResetView();

    // Curve buttons: start over from the defaults with this figure.
    void OnHelix();
    void OnConicalHelix();
    void OnSphericalHelix();

    // A vertical scroll bar notification. `position` matters for the thumb
    // codes only; `barId` tells the bars apart. Always ends in a redraw.
    void OnVScroll(unsigned code, int position, int barId);

    // The left button and the mouse, with the cursor's screen position read
    // when the event is handled.
    void OnLButtonDown(ScreenPoint cursor);
    void OnMouseMove(ScreenPoint cursor);
    void OnLButtonUp();

private:
    void ChooseFigure(CurveKind figure);
    void ScrollAngle(unsigned code, int position);
    void ScrollZoom(unsigned code, int position);
    void ScrollEyeDistance(unsigned code, int position);
    void ShowAngle();

    ControlPanel& panel_;
};

// Lowest angle the A bar allows for a figure: the helix and the conical
// helix need a pitch, the loxodrome may run along a meridian.
int AngleFloor(CurveKind figure);
constexpr int kAngleCeiling = 89;

// The angle label, "Ángulo = 60º".
std::string AngleText(int angleDeg);
