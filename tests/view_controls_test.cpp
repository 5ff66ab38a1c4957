// SPDX-License-Identifier: MIT
// The buttons, bars and drag, driven through the toolkit-neutral controls
// with a recorded panel whose redraws are real.
#include <cmath>

#include "controls/control_ids.h"
#include "controls/recorded_panel.h"
#include "controls/view_controls.h"
#include "render/draw_figure.h"
#include "test_support.h"

namespace {

class ControlsTest : public ::testing::Test {
protected:
    void Click(int bar, unsigned code, int times = 1)
    {
        for (int i = 0; i < times; ++i)
            controls.OnVScroll(code, 0, bar);
    }
    void DropThumb(int bar, int position) { controls.OnVScroll(kThumbPosition, position, bar); }
    const ViewState& State() const { return controls.State(); }
    double EyeDistance() const { return Length(State().eye); }

    FigureCache figures;
    RecordedPanel panel{[this](const ViewState& view) {
        Canvas canvas;
        ComposeFigure(canvas, figures, view);
    }};
    ViewControls controls{panel};
};

} // namespace

using CurveButtonTest = ControlsTest;

TEST_F(CurveButtonTest, StartsFromTheDefaultsAndDraws)
{
    controls.OnCurveButton(CurveKind::ConicalHelix);
    const ViewState& v = State();
    EXPECT_TRUE(AreNear(v.eye, {300, 0, 0}, 0.0));
    EXPECT_TRUE(AreNear(v.up, {0, 0, 1}, 0.0));
    EXPECT_EQ(v.zoom, 50.0);
    EXPECT_EQ(v.angleDeg, 60);
    EXPECT_EQ(v.curveKind, CurveKind::ConicalHelix);
    EXPECT_EQ(panel.barA.range, (std::pair{2, 89}));
    EXPECT_EQ(panel.barZ.range, (std::pair{0, 100}));
    EXPECT_EQ(panel.barP.range, (std::pair{20, 300}));
    EXPECT_EQ(panel.barA.thumb, 60);
    EXPECT_EQ(panel.barZ.thumb, 50);
    EXPECT_EQ(panel.barP.thumb, 300);
    EXPECT_EQ(panel.label, "Ángulo = 60º");
    EXPECT_EQ(panel.redraws, 1);
}

TEST_F(CurveButtonTest, EachFigureSetsItsAngleRange)
{
    controls.OnCurveButton(CurveKind::Helix);
    EXPECT_EQ(State().curveKind, CurveKind::Helix);
    EXPECT_EQ(panel.barA.range, (std::pair{2, 89}));
    controls.OnCurveButton(CurveKind::SphericalHelix);
    EXPECT_EQ(State().curveKind, CurveKind::SphericalHelix);
    EXPECT_EQ(panel.barA.range, (std::pair{0, 89}));
}

TEST_F(CurveButtonTest, BringsEveryDefaultBackAfterOrbitingAndScrolling)
{
    controls.OnCurveButton(CurveKind::Helix);
    Click(ControlId::kBarA, kLineDown, 7);
    Click(ControlId::kBarZ, kLineUp, 9);
    Click(ControlId::kBarP, kLineUp, 30);
    controls.OnLButtonDown({100, 100});
    controls.OnMouseMove({180, 40});
    controls.OnLButtonUp();
    controls.OnCurveButton(CurveKind::Helix);
    const ViewState& v = State();
    EXPECT_TRUE(AreNear(v.eye, {300, 0, 0}, 0.0));
    EXPECT_TRUE(AreNear(v.up, {0, 0, 1}, 1e-15));
    EXPECT_EQ(v.zoom, 50.0);
    EXPECT_EQ(v.angleDeg, 60);
    EXPECT_EQ(panel.barA.thumb, 60);
    EXPECT_EQ(panel.barZ.thumb, 50);
    EXPECT_EQ(panel.barP.thumb, 300);
    EXPECT_EQ(panel.label, "Ángulo = 60º");
}

TEST_F(CurveButtonTest, DoesNotEndADrag)
{
    controls.OnCurveButton(CurveKind::Helix);
    controls.OnLButtonDown({0, 0});
    controls.OnCurveButton(CurveKind::SphericalHelix);
    EXPECT_TRUE(State().dragging);
}

using AngleBarTest = ControlsTest;

TEST_F(AngleBarTest, UpArrowStopsAtTheFigureFloor)
{
    controls.OnCurveButton(CurveKind::Helix);
    Click(ControlId::kBarA, kLineUp, 58);
    EXPECT_EQ(State().angleDeg, 2);
    Click(ControlId::kBarA, kLineUp);
    EXPECT_EQ(State().angleDeg, 2);
    EXPECT_EQ(panel.barA.thumb, 2);
    EXPECT_EQ(panel.label, "Ángulo = 2º");

    controls.OnCurveButton(CurveKind::ConicalHelix);
    Click(ControlId::kBarA, kLineUp, 70);
    EXPECT_EQ(State().angleDeg, 2);

    controls.OnCurveButton(CurveKind::SphericalHelix);
    Click(ControlId::kBarA, kLineUp, 70);
    EXPECT_EQ(State().angleDeg, 0);
    EXPECT_EQ(panel.label, "Ángulo = 0º");
}

TEST_F(AngleBarTest, DownArrowStopsAt89)
{
    for (CurveKind figure : {CurveKind::Helix, CurveKind::SphericalHelix}) {
        controls.OnCurveButton(figure);
        Click(ControlId::kBarA, kLineDown, 29);
        EXPECT_EQ(State().angleDeg, 89);
        Click(ControlId::kBarA, kLineDown);
        EXPECT_EQ(State().angleDeg, 89);
        EXPECT_EQ(panel.barA.thumb, 89);
    }
}

TEST_F(AngleBarTest, ThumbIsClampedIntoTheFigureRange)
{
    controls.OnCurveButton(CurveKind::Helix);
    DropThumb(ControlId::kBarA, 33);
    EXPECT_EQ(State().angleDeg, 33);
    EXPECT_EQ(panel.label, "Ángulo = 33º");
    DropThumb(ControlId::kBarA, 90); // would never end the helix
    EXPECT_EQ(State().angleDeg, 89);
    controls.OnVScroll(kThumbTrack, -5, ControlId::kBarA);
    EXPECT_EQ(State().angleDeg, 2);
}

TEST_F(AngleBarTest, PageAndOtherCodesChangeNothingButRedrawAndRelabel)
{
    controls.OnCurveButton(CurveKind::Helix);
    const int before = panel.redraws;
    for (unsigned code : {2u, 3u, 6u, 7u, 8u, 9u, 4000000000u}) {
        panel.label.clear();
        controls.OnVScroll(code, 7, ControlId::kBarA);
        EXPECT_EQ(State().angleDeg, 60) << code;
        EXPECT_EQ(panel.label, "Ángulo = 60º") << code;
    }
    EXPECT_EQ(panel.redraws, before + 7);
}

TEST_F(AngleBarTest, WorksBeforeTheFirstCurveButton)
{
    Click(ControlId::kBarA, kLineDown);
    EXPECT_EQ(State().angleDeg, 61);
    EXPECT_EQ(panel.label, "Ángulo = 61º");
    EXPECT_EQ(State().curveKind, CurveKind::None);
    EXPECT_FALSE(panel.barA.range) << "no range before the first curve button";
    DropThumb(ControlId::kBarA, 120);
    EXPECT_EQ(State().angleDeg, 89);
    Click(ControlId::kBarA, kLineUp, 100);
    EXPECT_EQ(State().angleDeg, 0);
}

using ZoomBarTest = ControlsTest;

TEST_F(ZoomBarTest, UpArrowEnlargesToOneHundredWithTheThumbAtTheTop)
{
    controls.OnCurveButton(CurveKind::Helix);
    Click(ControlId::kBarZ, kLineUp, 50);
    EXPECT_EQ(State().zoom, 100.0);
    EXPECT_EQ(panel.barZ.thumb, 0);
    Click(ControlId::kBarZ, kLineUp);
    EXPECT_EQ(State().zoom, 100.0);
    EXPECT_EQ(panel.barZ.thumb, 0);
}

TEST_F(ZoomBarTest, DownArrowShrinksToZeroWithTheThumbAtTheBottom)
{
    controls.OnCurveButton(CurveKind::Helix);
    Click(ControlId::kBarZ, kLineDown, 51);
    EXPECT_EQ(State().zoom, 0.0);
    EXPECT_EQ(panel.barZ.thumb, 100);
}

TEST_F(ZoomBarTest, ThumbRunsTheOtherWay)
{
    controls.OnCurveButton(CurveKind::Helix);
    DropThumb(ControlId::kBarZ, 30);
    EXPECT_EQ(State().zoom, 70.0);
    EXPECT_EQ(panel.barZ.thumb, 30);
    controls.OnVScroll(kThumbTrack, 250, ControlId::kBarZ);
    EXPECT_EQ(State().zoom, 0.0);
    controls.OnVScroll(kThumbTrack, -1, ControlId::kBarZ);
    EXPECT_EQ(State().zoom, 100.0);
}

TEST_F(ZoomBarTest, OtherCodesChangeNothing)
{
    controls.OnCurveButton(CurveKind::Helix);
    for (unsigned code : {kPageUp, kPageDown, kTop, kBottom, kEndScroll})
        controls.OnVScroll(code, 3, ControlId::kBarZ);
    EXPECT_EQ(State().zoom, 50.0);
    EXPECT_EQ(panel.barZ.thumb, 50);
}

using EyeBarTest = ControlsTest;

TEST_F(EyeBarTest, UpArrowBringsTheEyeTo20)
{
    controls.OnCurveButton(CurveKind::Helix);
    Click(ControlId::kBarP, kLineUp, 140);
    EXPECT_NEAR(EyeDistance(), 20.0, 1e-12);
    EXPECT_EQ(panel.barP.thumb, 20);
    Click(ControlId::kBarP, kLineUp);
    EXPECT_EQ(EyeDistance(), 20.0);
    EXPECT_TRUE(AreNear(Normalize(State().eye), {1, 0, 0}, 1e-15));
}

TEST_F(EyeBarTest, DownArrowStopsAt300)
{
    controls.OnCurveButton(CurveKind::Helix);
    Click(ControlId::kBarP, kLineDown);
    EXPECT_EQ(EyeDistance(), 300.0);
    EXPECT_EQ(panel.barP.thumb, 300);
}

TEST_F(EyeBarTest, ThumbSetsTheDistanceAlongTheCurrentDirection)
{
    controls.OnCurveButton(CurveKind::Helix);
    controls.OnLButtonDown({0, 0});
    controls.OnMouseMove({-60, 90});
    const Vec3 direction = Normalize(State().eye);
    DropThumb(ControlId::kBarP, 150);
    EXPECT_NEAR(EyeDistance(), 150.0, 1e-12);
    EXPECT_TRUE(AreNear(Normalize(State().eye), direction, 1e-15));
    DropThumb(ControlId::kBarP, 5);
    EXPECT_NEAR(EyeDistance(), 20.0, 1e-12);
    DropThumb(ControlId::kBarP, 1000);
    EXPECT_NEAR(EyeDistance(), 300.0, 1e-12);
}

TEST_F(EyeBarTest, ThumbShowsTheDistanceTruncated)
{
    // Drag steps and arrows keep the eye's distance only to the last bits:
    // find a distance just short of a whole number, which the thumb must
    // show truncated, not rounded.
    controls.OnCurveButton(CurveKind::Helix);
    controls.OnLButtonDown({0, 0});
    auto justShort = [this] { return EyeDistance() - std::floor(EyeDistance()) > 0.5; };
    for (int step = 1; step <= 5000 && !justShort(); ++step) {
        controls.OnMouseMove({step * 7, step * 3});
        Click(ControlId::kBarP, step % 2 ? kLineUp : kLineDown);
    }
    ASSERT_TRUE(justShort()) << EyeDistance();
    EXPECT_EQ(panel.barP.thumb, int(std::floor(EyeDistance())));
}

TEST_F(EyeBarTest, BeforeTheFirstCurveButtonTheEyeStaysAtTheOrigin)
{
    Click(ControlId::kBarP, kLineUp);
    Click(ControlId::kBarP, kLineDown);
    DropThumb(ControlId::kBarP, 150);
    EXPECT_TRUE(AreNear(State().eye, {0, 0, 0}, 0.0));
    EXPECT_EQ(panel.redraws, 3);
}

TEST_F(ControlsTest, UnknownBarChangesNothingButRedraws)
{
    controls.OnCurveButton(CurveKind::Helix);
    panel.label.clear();
    controls.OnVScroll(kLineUp, 0, 4242);
    controls.OnVScroll(kThumbPosition, 10, ControlId::kAngleLabel);
    EXPECT_EQ(State().angleDeg, 60);
    EXPECT_EQ(State().zoom, 50.0);
    EXPECT_EQ(EyeDistance(), 300.0);
    EXPECT_EQ(panel.label, "");
    EXPECT_EQ(panel.redraws, 3);
}

using OrbitTest = ControlsTest;

TEST_F(OrbitTest, QuarterTurnFromTheDefaultView)
{
    controls.OnCurveButton(CurveKind::Helix);
    controls.OnLButtonDown({400, 300});
    controls.OnMouseMove({650, 300});
    EXPECT_TRUE(AreNear(State().eye, {0, -300, 0}, 1e-12));
    EXPECT_EQ(panel.redraws, 2);
}

TEST_F(OrbitTest, HorizontalStepsAddUp)
{
    controls.OnCurveButton(CurveKind::Helix);
    controls.OnLButtonDown({0, 0});
    for (int x = 20; x <= 500; x += 20)
        controls.OnMouseMove({x, 0});
    EXPECT_TRUE(AreNear(State().eye, {-300, 0, 0}, 1e-9));
    EXPECT_TRUE(AreNear(State().up, {0, 0, 1}, 1e-12));
}

TEST_F(OrbitTest, DraggingDownTipsTheNearSideDown)
{
    controls.OnCurveButton(CurveKind::Helix);
    controls.OnLButtonDown({0, 0});
    controls.OnMouseMove({0, 50});
    EXPECT_GT(State().eye.z, 0.0) << "the eye rises, so the figure's near side goes down";
}

TEST_F(OrbitTest, KeepsTheEyeDistanceOverManySteps)
{
    controls.OnCurveButton(CurveKind::SphericalHelix);
    Click(ControlId::kBarP, kLineUp, 37);
    const double distance = EyeDistance();
    controls.OnLButtonDown({0, 0});
    for (int i = 1; i <= 2000; ++i)
        controls.OnMouseMove({(i * 37) % 411 - 200, (i * 53) % 307 - 150});
    EXPECT_NEAR(EyeDistance() / distance, 1.0, 1e-12);
}

TEST_F(OrbitTest, PressAndReleaseWithoutMovementChangeNothing)
{
    controls.OnCurveButton(CurveKind::Helix);
    controls.OnLButtonDown({10, 10});
    controls.OnLButtonUp();
    EXPECT_TRUE(AreNear(State().eye, {300, 0, 0}, 0.0));
    EXPECT_EQ(panel.redraws, 1);
    EXPECT_FALSE(State().dragging);
}

TEST_F(OrbitTest, MovesWithoutAPressDoNothing)
{
    controls.OnCurveButton(CurveKind::Helix);
    controls.OnMouseMove({10, 10});
    controls.OnMouseMove({300, -40});
    EXPECT_TRUE(AreNear(State().eye, {300, 0, 0}, 0.0));
    EXPECT_EQ(panel.redraws, 1);
}

TEST_F(OrbitTest, StepWithoutMovementKeepsTheEye)
{
    controls.OnCurveButton(CurveKind::Helix);
    controls.OnLButtonDown({10, 10});
    controls.OnMouseMove({10, 10});
    EXPECT_TRUE(AreNear(State().eye, {300, 0, 0}, 0.0));
}

TEST_F(OrbitTest, DragBeforeTheFirstCurveButtonLeavesTheEyeAtTheOrigin)
{
    controls.OnLButtonDown({10, 10});
    controls.OnMouseMove({200, 90});
    controls.OnMouseMove({-5000, 7000});
    EXPECT_TRUE(AreNear(State().eye, {0, 0, 0}, 0.0));
    EXPECT_EQ(panel.redraws, 2);
}

TEST_F(OrbitTest, OverThePoleTheFrameStaysFinite)
{
    controls.OnCurveButton(CurveKind::SphericalHelix);
    controls.OnLButtonDown({0, 0});
    controls.OnMouseMove({0, 250}); // a quarter turn up: the eye over the north pole
    EXPECT_NEAR(State().eye.z, 300.0, 1e-9);
    controls.OnMouseMove({0, 250});
    controls.OnMouseMove({0, 260});
    EXPECT_TRUE(IsFinite(State().eye));
    EXPECT_TRUE(IsFinite(State().up));
    EXPECT_TRUE(IsFinite(State().right));
    EXPECT_NEAR(EyeDistance(), 300.0, 1e-9);
}

TEST_F(OrbitTest, ExtremeCursorJumpsStayFinite)
{
    controls.OnCurveButton(CurveKind::ConicalHelix);
    controls.OnLButtonDown({INT32_MIN, INT32_MAX});
    controls.OnMouseMove({INT32_MAX, INT32_MIN});
    controls.OnMouseMove({0, 0});
    EXPECT_TRUE(IsFinite(State().eye));
    EXPECT_NEAR(EyeDistance(), 300.0, 1e-9);
}

using TypedEntryTest = ControlsTest;

// The numeric entry is the typed one under the window system's numbers: the
// same notifications through either leave the same view and panel.
TEST_F(TypedEntryTest, NumericAndTypedNotificationsAgree)
{
    const std::pair<int, Bar> bars[] = {
        {ControlId::kBarA, Bar::A}, {ControlId::kBarZ, Bar::Z}, {ControlId::kBarP, Bar::P}};
    for (auto [id, bar] : bars) {
        for (unsigned code = 0; code <= 8; ++code) {
            controls.OnCurveButton(CurveKind::SphericalHelix);
            controls.OnVScroll(code, 37, id);
            const ViewState numeric = State();
            const RecordedPanel numericPanel = panel;
            controls.OnCurveButton(CurveKind::SphericalHelix);
            controls.OnScroll(bar, static_cast<ScrollCode>(code), 37);
            EXPECT_TRUE(AreNear(State().eye, numeric.eye, 0.0)) << id << " code " << code;
            EXPECT_EQ(State().zoom, numeric.zoom) << id << " code " << code;
            EXPECT_EQ(State().angleDeg, numeric.angleDeg) << id << " code " << code;
            EXPECT_EQ(panel.barA.thumb, numericPanel.barA.thumb);
            EXPECT_EQ(panel.barZ.thumb, numericPanel.barZ.thumb);
            EXPECT_EQ(panel.barP.thumb, numericPanel.barP.thumb);
            EXPECT_EQ(panel.label, numericPanel.label);
        }
    }
}

TEST_F(TypedEntryTest, CodesPastTheLastChangeNothingButRelabelTheAngle)
{
    controls.OnCurveButton(CurveKind::Helix);
    panel.label.clear();
    for (unsigned code : {9u, 100u, 0xFFFFFFFFu}) {
        controls.OnVScroll(code, 10, ControlId::kBarA);
        controls.OnVScroll(code, 10, ControlId::kBarZ);
        controls.OnVScroll(code, 10, ControlId::kBarP);
    }
    EXPECT_EQ(State().angleDeg, 60);
    EXPECT_EQ(State().zoom, 50.0);
    EXPECT_EQ(EyeDistance(), 300.0);
    EXPECT_EQ(panel.label, "Ángulo = 60º");
    EXPECT_EQ(panel.redraws, 1 + 9);
}

using KeyTest = ControlsTest;

// An orbit key is the drag it stands for: same eye, same picture axes after
// the redraw.
TEST_F(KeyTest, OrbitKeyIsATenPixelDragStep)
{
    using Key = ViewControls::OrbitKey;
    const std::pair<Key, ScreenPoint> keys[] = {
        {Key::Left, {-10, 0}}, {Key::Right, {10, 0}}, {Key::Up, {0, -10}}, {Key::Down, {0, 10}}};
    for (auto [key, move] : keys) {
        controls.OnCurveButton(CurveKind::ConicalHelix);
        controls.OnLButtonDown({500, 500});
        controls.OnMouseMove({500 + move.x, 500 + move.y});
        controls.OnLButtonUp();
        const ViewState dragged = State();
        controls.OnCurveButton(CurveKind::ConicalHelix);
        const int redraws = panel.redraws;
        controls.OnOrbitKey(key);
        EXPECT_EQ(panel.redraws, redraws + 1);
        EXPECT_TRUE(AreNear(State().eye, dragged.eye, 0.0));
        EXPECT_TRUE(AreNear(State().up, dragged.up, 0.0));
        EXPECT_TRUE(AreNear(State().right, dragged.right, 0.0));
        EXPECT_FALSE(AreNear(State().eye, {300, 0, 0}, 1.0)) << "the key turned the eye";
    }
}

TEST_F(KeyTest, LeftTurnsAsTheHandMovingLeft)
{
    controls.OnCurveButton(CurveKind::Helix);
    controls.OnOrbitKey(ViewControls::OrbitKey::Left);
    // A drag to the left moves the eye toward +right, which is +y here.
    EXPECT_GT(State().eye.y, 0.0);
    EXPECT_NEAR(EyeDistance(), 300.0, 1e-12);
    controls.OnOrbitKey(ViewControls::OrbitKey::Right);
    EXPECT_TRUE(AreNear(State().eye, {300, 0, 0}, 1e-12));
}

TEST_F(KeyTest, OrbitKeyLeavesADragInProgress)
{
    controls.OnCurveButton(CurveKind::Helix);
    controls.OnLButtonDown({100, 100});
    controls.OnOrbitKey(ViewControls::OrbitKey::Down);
    EXPECT_TRUE(State().dragging);
    EXPECT_EQ(State().lastCursor.x, 100);
    EXPECT_EQ(State().lastCursor.y, 100);
}

TEST_F(KeyTest, ZoomKeysAreZArrowClicks)
{
    controls.OnCurveButton(CurveKind::Helix);
    controls.OnZoomKey(true);
    EXPECT_EQ(State().zoom, 51.0);
    EXPECT_EQ(panel.barZ.thumb, 49);
    controls.OnZoomKey(false);
    controls.OnZoomKey(false);
    EXPECT_EQ(State().zoom, 49.0);
    EXPECT_EQ(panel.barZ.thumb, 51);
    EXPECT_EQ(panel.redraws, 4);
}

TEST_F(KeyTest, KeysDoNothingBeforeTheFirstFigure)
{
    for (auto key : {ViewControls::OrbitKey::Left, ViewControls::OrbitKey::Down})
        controls.OnOrbitKey(key);
    controls.OnZoomKey(true);
    controls.OnZoomKey(false);
    EXPECT_TRUE(AreNear(State().eye, {0, 0, 0}, 0.0));
    EXPECT_EQ(State().zoom, 20.0);
    EXPECT_EQ(panel.redraws, 0);
    EXPECT_FALSE(panel.barZ.thumb.has_value());
}

using BarValueTest = ControlsTest;

TEST_F(BarValueTest, ValuesAreWhatTheBarsStandFor)
{
    controls.OnCurveButton(CurveKind::ConicalHelix);
    Click(ControlId::kBarZ, kLineUp, 3);
    Click(ControlId::kBarP, kLineUp, 5);
    Click(ControlId::kBarA, kLineDown, 2);
    EXPECT_EQ(controls.BarValue(Bar::Z), 53.0) << "the zoom, not the thumb at 47";
    EXPECT_EQ(panel.barZ.thumb, 47);
    EXPECT_NEAR(controls.BarValue(Bar::P), 290.0, 1e-12);
    EXPECT_EQ(controls.BarValue(Bar::A), 62.0);
    EXPECT_EQ(controls.BarRange(Bar::A), (std::pair{2, 89}));
    EXPECT_EQ(controls.BarRange(Bar::Z), (std::pair{0, 100}));
    EXPECT_EQ(controls.BarRange(Bar::P), (std::pair{20, 300}));
    controls.OnCurveButton(CurveKind::SphericalHelix);
    EXPECT_EQ(controls.BarRange(Bar::A), (std::pair{0, 89}));
}

TEST_F(BarValueTest, SettingAValueDropsTheThumbThere)
{
    controls.OnCurveButton(CurveKind::Helix);
    controls.SetBarValue(Bar::Z, 70.0);
    EXPECT_EQ(State().zoom, 70.0);
    EXPECT_EQ(panel.barZ.thumb, 30);
    controls.SetBarValue(Bar::A, 45.4);
    EXPECT_EQ(State().angleDeg, 45);
    EXPECT_EQ(panel.label, "Ángulo = 45º");
    controls.SetBarValue(Bar::P, 150.0);
    EXPECT_NEAR(EyeDistance(), 150.0, 1e-12);
    // Out of range, huge or not a number: clamped, or ignored.
    controls.SetBarValue(Bar::A, 1e300);
    EXPECT_EQ(State().angleDeg, 89);
    controls.SetBarValue(Bar::Z, -1e300);
    EXPECT_EQ(State().zoom, 0.0);
    const int redraws = panel.redraws;
    controls.SetBarValue(Bar::P, std::nan(""));
    EXPECT_EQ(panel.redraws, redraws);
    EXPECT_NEAR(EyeDistance(), 150.0, 1e-12);
}

TEST_F(CurveButtonTest, AKindWithoutAButtonChangesNothing)
{
    for (CurveKind kind : {CurveKind::None, CurveKind(7)}) {
        controls.OnCurveButton(kind);
        EXPECT_EQ(State().curveKind, CurveKind::None);
        EXPECT_EQ(State().zoom, 20.0) << "the defaults are a button's to set";
        EXPECT_EQ(panel.redraws, 0);
        EXPECT_FALSE(panel.barA.range);
    }
    controls.OnCurveButton(CurveKind::Helix);
    controls.OnCurveButton(CurveKind::None);
    EXPECT_EQ(State().curveKind, CurveKind::Helix);
    EXPECT_EQ(panel.redraws, 1);
}

// A redraw no control asked for frames and draws the view as it stands, as
// every control's own redraw does, and changes nothing else.
TEST_F(CurveButtonTest, RedrawFramesTheViewAsAControlsRedrawDoes)
{
    controls.OnCurveButton(CurveKind::ConicalHelix);
    controls.OnLButtonDown({10, 10});
    controls.OnMouseMove({90, 40});
    const ViewState before = State();
    const RecordedPanel shown = panel;
    controls.Redraw();
    EXPECT_EQ(panel.redraws, shown.redraws + 1);
    EXPECT_TRUE(AreNear(State().eye, before.eye, 0.0));
    EXPECT_TRUE(AreNear(State().up, Framed(before).up, 0.0));
    EXPECT_TRUE(AreNear(State().right, Framed(before).right, 0.0));
    EXPECT_EQ(panel.barA.thumb, shown.barA.thumb);
    EXPECT_EQ(panel.label, shown.label);
    EXPECT_TRUE(State().dragging);
}

// The option is the view's: it stays through the curve buttons and the
// drag, redraws a figure shown, and without a figure has nothing to redraw.
TEST_F(CurveButtonTest, HiddenPartsStayWithTheViewAndRedrawAFigure)
{
    controls.SetHiddenParts(true);
    EXPECT_EQ(panel.redraws, 0);
    controls.OnCurveButton(CurveKind::Helix);
    EXPECT_TRUE(State().hiddenParts);
    controls.OnLButtonDown({10, 10});
    controls.OnMouseMove({90, 40});
    EXPECT_TRUE(State().hiddenParts);
    const int before = panel.redraws;
    bool drawnWithout = false;
    RecordedPanel watching([&](const ViewState& view) { drawnWithout = !view.hiddenParts; });
    ViewControls other(watching);
    other.OnCurveButton(CurveKind::SphericalHelix);
    other.SetHiddenParts(false);
    EXPECT_TRUE(drawnWithout);
    controls.SetHiddenParts(false);
    EXPECT_EQ(panel.redraws, before + 1);
    EXPECT_FALSE(State().hiddenParts);
}
