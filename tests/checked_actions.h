// SPDX-License-Identifier: MIT
// User actions applied through the view controls, each checked for what it
// promises, and the invariants of the view after every action and every
// redraw. The random-walk test and the action fuzzer both drive the controls
// through this one checker: they differ only in where the actions come from
// and in how a broken promise is reported.
//
// After every redraw of a figure the frame is orthonormal and faces the eye.
// After every action the view is within its bounds and the panel shows it.
// A P arrow that meets no limit moves the eye by exactly one step; a drag
// step of non-zero length short of a whole turn turns the eye; an exact
// quarter or half turn keeps the eye finite and at its distance.
#pragma once

#include <cmath>
#include <cstdint>
#include <functional>
#include <utility>

#include "controls/control_ids.h"
#include "controls/recorded_panel.h"
#include "controls/view_controls.h"

class CheckedActions {
public:
    // Called with a description of each broken promise; `tolerance` is the
    // relative error allowed in lengths and dot products.
    using Failure = std::function<void(const char* what)>;

    // `redrawn` runs after every redraw, with the view drawn.
    CheckedActions(double tolerance, Failure fail,
                   std::function<void(const ViewState&)> redrawn = {})
        : tolerance_(tolerance), fail_(std::move(fail)),
          panel_([this, redrawn = std::move(redrawn)](const ViewState& view) {
              if (redrawn)
                  redrawn(view);
              CheckFrame(view);
          })
    {
    }

    const ViewState& State() const { return controls_.State(); }
    const RecordedPanel& Panel() const { return panel_; }
    bool FigureChosen() const { return figureChosen_; }

    void PressButton(CurveKind figure)
    {
        figureChosen_ = true;
        controls_.OnCurveButton(figure);
    }

    void Scroll(unsigned code, int position, int bar)
    {
        const double before = Length(State().eye);
        controls_.OnVScroll(code, position, bar);
        if (!figureChosen_ || bar != ControlId::kBarP)
            return;
        const double after = Length(State().eye);
        if (code == kLineUp && before - 2.0 >= kMinEyeDistance)
            Expect(std::abs(after - (before - 2.0)) < tolerance_ * before,
                   "a P arrow up steps by 2");
        if (code == kLineDown && before + 2.0 <= kMaxEyeDistance)
            Expect(std::abs(after - (before + 2.0)) < tolerance_ * before,
                   "a P arrow down steps by 2");
    }

    void Press(ScreenPoint cursor) { controls_.OnLButtonDown(cursor); }
    void Release() { controls_.OnLButtonUp(); }

    void Move(ScreenPoint to)
    {
        const ViewState& v = State();
        const Vec3 before = v.eye;
        const double travel = std::hypot(double(int64_t{to.x} - v.lastCursor.x),
                                         double(int64_t{to.y} - v.lastCursor.y));
        const bool turns = figureChosen_ && v.dragging && travel > 0.0 && travel < 900.0;
        controls_.OnMouseMove(to);
        if (turns)
            Expect(!(v.eye.x == before.x && v.eye.y == before.y && v.eye.z == before.z),
                   "a drag step turns the eye");
    }

    // A press at `from` and one step of (dx, dy) pixels: a quarter or a half
    // turn when the step is 250 or 500 pixels long.
    void ExactTurn(ScreenPoint from, int dx, int dy)
    {
        const double before = Length(State().eye);
        controls_.OnLButtonDown(from);
        Move({int32_t(int64_t{from.x} + dx), int32_t(int64_t{from.y} + dy)});
        if (!figureChosen_)
            return;
        Expect(IsFinite(State().eye), "an exact turn leaves the eye finite");
        Expect(std::abs(Length(State().eye) - before) < tolerance_ * before,
               "an exact turn keeps the eye's distance");
    }

    // The view within its bounds, and the panel showing it.
    void CheckView()
    {
        const ViewState& v = State();
        Expect(v.zoom == std::floor(v.zoom) && v.zoom >= 0.0 && v.zoom <= kMaxZoom,
               "the zoom is a whole number within the Z bar's range");
        Expect(v.angleDeg >= AngleFloor(v.curveKind) && v.angleDeg <= kAngleCeiling,
               "the angle is within the A bar's range");
        Expect(IsFinite(v.eye) && IsFinite(v.up) && IsFinite(v.right), "the view is finite");
        if (panel_.barA.thumb)
            Expect(*panel_.barA.thumb == v.angleDeg, "the A thumb shows the angle");
        if (panel_.barZ.thumb)
            Expect(*panel_.barZ.thumb == int(kMaxZoom - v.zoom), "the Z thumb shows the zoom");
        if (!panel_.label.empty())
            Expect(panel_.label == AngleText(v.angleDeg), "the label shows the angle");
        if (!figureChosen_) {
            Expect(Length(v.eye) == 0.0, "no eye before the first figure");
            return;
        }
        Expect(panel_.barA.thumb && panel_.barZ.thumb && panel_.barP.thumb,
               "a figure's bars all show the view");
        const double distance = Length(v.eye);
        Expect(distance >= kMinEyeDistance * (1 - tolerance_) &&
                   distance <= kMaxEyeDistance * (1 + tolerance_),
               "the eye is within the P bar's range");
        Expect(panel_.barP.thumb && std::abs(*panel_.barP.thumb - distance) < 1.0 + 1e-6,
               "the P thumb shows the eye's distance");
    }

private:
    void CheckFrame(const ViewState& v)
    {
        Expect(IsFinite(v.up) && IsFinite(v.right), "the frame is finite");
        if (!figureChosen_)
            return;
        const Vec3 sight = Normalize(v.viewDir);
        Expect(std::abs(Length(v.up) - 1.0) < tolerance_ &&
                   std::abs(Length(v.right) - 1.0) < tolerance_,
               "the picture axes are unit vectors");
        Expect(std::abs(Dot(v.up, v.right)) < tolerance_ &&
                   std::abs(Dot(v.up, sight)) < tolerance_ &&
                   std::abs(Dot(v.right, sight)) < tolerance_,
               "the picture axes are orthogonal and face the eye");
    }

    void Expect(bool kept, const char* what)
    {
        if (!kept)
            fail_(what);
    }

    double tolerance_;
    Failure fail_;
    bool figureChosen_ = false;
    RecordedPanel panel_;
    ViewControls controls_{panel_};
};
