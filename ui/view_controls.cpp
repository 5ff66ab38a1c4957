#include "ui/view_controls.h"

#include <algorithm>
#include <cstdio>

#include "geometry/orbit.h"
#include "ui/control_ids.h"

namespace {

constexpr double kMinEyeDistance = 20.0;
constexpr double kMaxEyeDistance = 300.0;
constexpr double kEyeStep = 2.0;
constexpr double kMaxZoom = 100.0;

// The eye at distance d along its own direction. An eye at the origin has no
// direction (before the first curve button) and stays where it is.
Vec3 AtDistance(Vec3 eye, double d)
{
    if (Length(eye) == 0.0)
        return eye;
    return Scale(d, Normalize(eye));
}

int ZoomThumb(double zoom) { return static_cast<int>(kMaxZoom - zoom); }

} // namespace

int AngleFloor(CurveKind figure)
{
    return figure == CurveKind::Helix || figure == CurveKind::ConicalHelix ? 2 : 0;
}

std::string AngleText(int angleDeg)
{
    char text[32];
    std::snprintf(text, sizeof text, "Ángulo = %dº", angleDeg);
    return text;
}

void ViewControls::ResetView()
{
    ViewState& view = View();
    view.eye = {300.0, 0.0, 0.0};
    panel_.SetScrollRange(ControlId::kBarP, 20, 300);
    panel_.SetScrollPos(ControlId::kBarP, static_cast<int>(Length(view.eye)));
    view.up = {0.0, 0.0, 1.0};
    view.target = {0.0, 0.0, 0.0};
    view.zoom = 50.0;
    panel_.SetScrollRange(ControlId::kBarZ, 0, 100);
    panel_.SetScrollPos(ControlId::kBarZ, 50);
    view.angleDeg = 60;
    ShowAngle();
}

void ViewControls::OnHelix() { ChooseFigure(CurveKind::Helix); }

void ViewControls::OnConicalHelix() { ChooseFigure(CurveKind::ConicalHelix); }

void ViewControls::OnSphericalHelix() { ChooseFigure(CurveKind::SphericalHelix); }

void ViewControls::ChooseFigure(CurveKind figure)
{
    ResetView();
    panel_.SetScrollRange(ControlId::kBarA, AngleFloor(figure), kAngleCeiling);
    panel_.SetScrollPos(ControlId::kBarA, View().angleDeg);
    View().curveKind = figure;
    panel_.DrawFigure();
}

void ViewControls::OnVScroll(unsigned code, int position, int barId)
{
    if (barId == ControlId::kBarA)
        ScrollAngle(code, position);
    else if (barId == ControlId::kBarZ)
        ScrollZoom(code, position);
    else if (barId == ControlId::kBarP)
        ScrollEyeDistance(code, position);
    panel_.DrawFigure();
}

void ViewControls::ScrollAngle(unsigned code, int position)
{
    ViewState& view = View();
    const int floor = AngleFloor(view.curveKind);
    if (code == kLineUp) {
        view.angleDeg = view.angleDeg - 1;
        if (view.angleDeg < floor)
            view.angleDeg = floor;
        panel_.SetScrollPos(ControlId::kBarA, view.angleDeg);
    } else if (code == kLineDown) {
        view.angleDeg = view.angleDeg + 1;
        if (view.angleDeg > kAngleCeiling)
            view.angleDeg = kAngleCeiling;
        panel_.SetScrollPos(ControlId::kBarA, view.angleDeg);
    } else if (code == kThumbPosition || code == kThumbTrack) {
        // The toolkit keeps the thumb inside the range, but an angle outside
        // it would stall the helix (at 90° it never reaches its bound).
        view.angleDeg = std::clamp(position, floor, kAngleCeiling);
        panel_.SetScrollPos(ControlId::kBarA, view.angleDeg);
    }
    ShowAngle();
}

void ViewControls::ScrollZoom(unsigned code, int position)
{
    ViewState& view = View();
    if (code == kLineUp) {
        view.zoom = view.zoom + 1.0;
        if (view.zoom > kMaxZoom)
            view.zoom = kMaxZoom;
    } else if (code == kLineDown) {
        view.zoom = view.zoom - 1.0;
        if (view.zoom < 0.0)
            view.zoom = 0.0;
    } else if (code == kThumbPosition || code == kThumbTrack) {
        view.zoom = static_cast<double>(100 - std::clamp(position, 0, 100));
    } else {
        return;
    }
    panel_.SetScrollPos(ControlId::kBarZ, ZoomThumb(view.zoom));
}

void ViewControls::ScrollEyeDistance(unsigned code, int position)
{
    ViewState& view = View();
    double d = 0.0;
    if (code == kLineUp) {
        d = Length(view.eye) - kEyeStep;
        if (d < kMinEyeDistance)
            d = kMinEyeDistance;
    } else if (code == kLineDown) {
        d = Length(view.eye) + kEyeStep;
        if (d > kMaxEyeDistance)
            d = kMaxEyeDistance;
    } else if (code == kThumbPosition || code == kThumbTrack) {
        d = std::clamp(position, 20, 300);
    } else {
        return;
    }
    view.eye = AtDistance(view.eye, d);
    panel_.SetScrollPos(ControlId::kBarP, static_cast<int>(d));
}

void ViewControls::ShowAngle() { panel_.SetAngleText(AngleText(View().angleDeg)); }

void ViewControls::OnLButtonDown(ScreenPoint cursor)
{
    View().lastCursor = cursor;
    View().dragging = true;
}

void ViewControls::OnMouseMove(ScreenPoint cursor)
{
    ViewState& view = View();
    if (!view.dragging)
        return;
    view.cursor = cursor;
    view.eye = OrbitEye(view.eye, view.right, view.up, view.lastCursor, view.cursor);
    panel_.DrawFigure();
    view.lastCursor = view.cursor;
}

void ViewControls::OnLButtonUp() { View().dragging = false; }
