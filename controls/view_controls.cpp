// SPDX-License-Identifier: MIT
#include "controls/view_controls.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "controls/control_ids.h"
#include "geometry/orbit.h"
#include "geometry/view_frame.h"

namespace {

constexpr double kEyeStep = 2.0;

// The eye at distance d along its own direction. An eye at the origin has no
// direction (before the first curve button) and stays where it is.
Vec3 AtDistance(Vec3 eye, double d)
{
    if (Length(eye) == 0.0)
        return eye;
    return Scale(d, Normalize(eye));
}

// The Z bar's top is the largest picture.
int ZoomThumb(double zoom) { return static_cast<int>(kMaxZoom - zoom); }

std::optional<Bar> BarOfId(int barId)
{
    switch (barId) {
    case ControlId::kBarA:
        return Bar::A;
    case ControlId::kBarZ:
        return Bar::Z;
    case ControlId::kBarP:
        return Bar::P;
    default:
        return std::nullopt;
    }
}

// Codes past the last one change nothing, as the page and end codes do.
ScrollCode ScrollCodeOf(unsigned code)
{
    return code <= kEndScroll ? static_cast<ScrollCode>(code) : ScrollCode::EndScroll;
}

bool IsThumb(ScrollCode code)
{
    return code == ScrollCode::ThumbPosition || code == ScrollCode::ThumbTrack;
}

} // namespace

int AngleFloor(CurveKind figure)
{
    return figure == CurveKind::Helix || figure == CurveKind::ConicalHelix ? kPitchedAngleFloor
                                                                           : kMeridianAngleFloor;
}

void ViewControls::ResetView()
{
    ViewState& view = m_view;
    view.eye = kDefaultEye;
    m_panel.SetScrollRange(Bar::P, kMinEyeDistance, kMaxEyeDistance);
    m_panel.SetScrollPos(Bar::P, static_cast<int>(Length(view.eye)));
    view.up = kDefaultUp;
    view.target = {0.0, 0.0, 0.0};
    view.zoom = kDefaultZoom;
    m_panel.SetScrollRange(Bar::Z, 0, kMaxZoom);
    m_panel.SetScrollPos(Bar::Z, ZoomThumb(view.zoom));
    view.angleDeg = kDefaultAngleDeg;
    ShowAngle();
}

void ViewControls::OnCurveButton(CurveKind figure)
{
    if (figure != CurveKind::Helix && figure != CurveKind::ConicalHelix &&
        figure != CurveKind::SphericalHelix)
        return;
    ResetView();
    m_panel.SetScrollRange(Bar::A, AngleFloor(figure), kAngleCeiling);
    m_panel.SetScrollPos(Bar::A, m_view.angleDeg);
    m_view.curveKind = figure;
    Redraw();
}

void ViewControls::Redraw()
{
    UpdateViewFrame(m_view);
    m_panel.DrawFigure(m_view);
}

// Without a figure the picture is the same empty square either way.
void ViewControls::SetHiddenParts(bool on)
{
    m_view.hiddenParts = on;
    if (FigureShown(m_view))
        Redraw();
}

void ViewControls::OnScroll(Bar bar, ScrollCode code, int position)
{
    switch (bar) {
    case Bar::A:
        ScrollAngle(code, position);
        break;
    case Bar::Z:
        ScrollZoom(code, position);
        break;
    case Bar::P:
        ScrollEyeDistance(code, position);
        break;
    }
    Redraw();
}

void ViewControls::OnVScroll(unsigned code, int position, int barId)
{
    if (const std::optional<Bar> bar = BarOfId(barId))
        OnScroll(*bar, ScrollCodeOf(code), position);
    else
        Redraw();
}

void ViewControls::ScrollAngle(ScrollCode code, int position)
{
    ViewState& view = m_view;
    const int floor = AngleFloor(view.curveKind);
    if (code == ScrollCode::LineUp) {
        view.angleDeg = view.angleDeg - 1;
        if (view.angleDeg < floor)
            view.angleDeg = floor;
        m_panel.SetScrollPos(Bar::A, view.angleDeg);
    } else if (code == ScrollCode::LineDown) {
        view.angleDeg = view.angleDeg + 1;
        if (view.angleDeg > kAngleCeiling)
            view.angleDeg = kAngleCeiling;
        m_panel.SetScrollPos(Bar::A, view.angleDeg);
    } else if (IsThumb(code)) {
        // The toolkit keeps the thumb inside the range, but an angle outside
        // it would stall the helix (at 90° it never reaches its bound).
        view.angleDeg = std::clamp(position, floor, kAngleCeiling);
        m_panel.SetScrollPos(Bar::A, view.angleDeg);
    }
    ShowAngle();
}

void ViewControls::ScrollZoom(ScrollCode code, int position)
{
    ViewState& view = m_view;
    if (code == ScrollCode::LineUp) {
        view.zoom = view.zoom + 1.0;
        if (view.zoom > kMaxZoom)
            view.zoom = kMaxZoom;
    } else if (code == ScrollCode::LineDown) {
        view.zoom = view.zoom - 1.0;
        if (view.zoom < 0.0)
            view.zoom = 0.0;
    } else if (IsThumb(code)) {
        view.zoom = static_cast<double>(kMaxZoom - std::clamp(position, 0, kMaxZoom));
    } else {
        return;
    }
    m_panel.SetScrollPos(Bar::Z, ZoomThumb(view.zoom));
}

void ViewControls::ScrollEyeDistance(ScrollCode code, int position)
{
    ViewState& view = m_view;
    double d = 0.0;
    if (code == ScrollCode::LineUp) {
        d = Length(view.eye) - kEyeStep;
        if (d < kMinEyeDistance)
            d = kMinEyeDistance;
    } else if (code == ScrollCode::LineDown) {
        d = Length(view.eye) + kEyeStep;
        if (d > kMaxEyeDistance)
            d = kMaxEyeDistance;
    } else if (IsThumb(code)) {
        d = std::clamp(position, kMinEyeDistance, kMaxEyeDistance);
    } else {
        return;
    }
    view.eye = AtDistance(view.eye, d);
    m_panel.SetScrollPos(Bar::P, static_cast<int>(d));
}

void ViewControls::ShowAngle() { m_panel.ShowAngle(m_view.angleDeg); }

void ViewControls::OnLButtonDown(ScreenPoint cursor)
{
    m_view.lastCursor = cursor;
    m_view.dragging = true;
}

void ViewControls::OnMouseMove(ScreenPoint cursor)
{
    ViewState& view = m_view;
    if (!view.dragging)
        return;
    view.cursor = cursor;
    Orbit(view.lastCursor, view.cursor);
    view.lastCursor = view.cursor;
}

void ViewControls::OnLButtonUp() { m_view.dragging = false; }

// One drag step: the eye turns from the picture axes of the last redraw, and
// the redraw leaves the axes for the next step.
void ViewControls::Orbit(ScreenPoint from, ScreenPoint to)
{
    OrbitStep(m_view, from, to);
    Redraw();
}

// Measured from a point of its own, the key's step leaves a drag in progress
// (its last cursor position) untouched.
void ViewControls::OnOrbitKey(OrbitKey key)
{
    if (!FigureShown(m_view))
        return;
    // In the order of OrbitKey: left, right, up, down; screen y grows down.
    constexpr ScreenPoint kSteps[] = {
        {-kOrbitKeyStep, 0}, {kOrbitKeyStep, 0}, {0, -kOrbitKeyStep}, {0, kOrbitKeyStep}};
    Orbit({0, 0}, kSteps[static_cast<int>(key)]);
}

void ViewControls::OnZoomKey(bool bigger)
{
    if (FigureShown(m_view))
        OnScroll(Bar::Z, bigger ? ScrollCode::LineUp : ScrollCode::LineDown);
}

double ViewControls::BarValue(Bar bar) const
{
    switch (bar) {
    case Bar::A:
        return m_view.angleDeg;
    case Bar::Z:
        return m_view.zoom;
    case Bar::P:
        return Length(m_view.eye);
    }
    return 0.0;
}

std::pair<int, int> ViewControls::BarRange(Bar bar) const
{
    switch (bar) {
    case Bar::A:
        return {AngleFloor(m_view.curveKind), kAngleCeiling};
    case Bar::Z:
        return {0, kMaxZoom};
    case Bar::P:
        return {kMinEyeDistance, kMaxEyeDistance};
    }
    return {0, 0};
}

void ViewControls::SetBarValue(Bar bar, double value)
{
    if (!std::isfinite(value))
        return;
    // Rounded and brought into the range first: any double converts safely.
    const auto [min, max] = BarRange(bar);
    const int position = static_cast<int>(std::lround(std::clamp(value, double(min), double(max))));
    OnScroll(bar, ScrollCode::ThumbPosition, bar == Bar::Z ? kMaxZoom - position : position);
}
