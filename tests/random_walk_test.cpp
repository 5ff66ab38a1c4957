// SPDX-License-Identifier: MIT
// Thousands of random actions of every kind, from the start of a run: the
// view must stay within its bounds, the controls must show it, the frame
// must stay orthonormal and face the eye, and each action must do what it
// promises (a drag turns the eye, a P arrow moves it by exactly one step, an
// exact quarter or half turn keeps it at its distance).
#include <cmath>
#include <random>

#include "render/draw_figure.h"
#include "test_support.h"
#include "ui/control_ids.h"
#include "ui/recorded_panel.h"
#include "ui/view_controls.h"

namespace {

class RandomWalk {
public:
    explicit RandomWalk(unsigned seed) : random_(seed) {}

    void Step()
    {
        switch (Pick(0, 10)) {
        case 0:
            if (Pick(0, 3) == 0)
                PressButton();
            break;
        case 1:
        case 2:
        case 3:
            Scroll(unsigned(Pick(0, 9)), Pick(-50, 350), Bar());
            break;
        case 4:
            controls_.OnLButtonDown(Cursor());
            break;
        case 5:
            controls_.OnLButtonUp();
            break;
        case 6:
            ExactTurn();
            break;
        default:
            Move(Cursor());
        }
    }

    bool figureChosen = false;
    FigureCache figures;
    RecordedPanel panel{[this] {
        Canvas canvas;
        ComposeFigure(canvas, figures);
    }};

private:
    int Pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }

    // A P arrow that does not meet its limit moves the eye by exactly 2.
    void Scroll(unsigned code, int position, int bar)
    {
        const double before = Length(View().eye);
        controls_.OnVScroll(code, position, bar);
        if (!figureChosen || bar != ControlId::kBarP)
            return;
        const double after = Length(View().eye);
        if (code == kLineUp && before - 2.0 >= 20.0) {
            EXPECT_NEAR(after, before - 2.0, 1e-12 * before);
        }
        if (code == kLineDown && before + 2.0 <= 300.0) {
            EXPECT_NEAR(after, before + 2.0, 1e-12 * before);
        }
    }

    // A drag step of non-zero length, short of a whole turn (1000 pixels),
    // moves the eye.
    void Move(ScreenPoint to)
    {
        const ViewState& v = View();
        const Vec3 before = v.eye;
        const double travel = std::hypot(double(int64_t{to.x} - v.lastCursor.x),
                                         double(int64_t{to.y} - v.lastCursor.y));
        const bool turns = figureChosen && v.dragging && travel > 0.0 && travel < 900.0;
        controls_.OnMouseMove(to);
        if (turns) {
            EXPECT_FALSE(v.eye.x == before.x && v.eye.y == before.y && v.eye.z == before.z);
        }
    }

    // Exactly a quarter or a half turn, where the sine or the cosine of the
    // turn is as near zero as a double gets: the eye stays finite, at its
    // distance.
    void ExactTurn()
    {
        static constexpr int kSteps[][2] = {{250, 0},  {0, -250}, {150, 200},
                                            {-500, 0}, {0, 500},  {-300, 400}};
        const auto& step = kSteps[Pick(0, 5)];
        const ScreenPoint from{Pick(-200, 2200), Pick(-200, 1400)};
        const double before = Length(View().eye);
        controls_.OnLButtonDown(from);
        Move({from.x + step[0], from.y + step[1]});
        if (!figureChosen)
            return;
        EXPECT_TRUE(IsFinite(View().eye));
        EXPECT_NEAR(Length(View().eye), before, 1e-12 * before);
    }

    void PressButton()
    {
        figureChosen = true;
        switch (Pick(0, 2)) {
        case 0:
            return controls_.OnHelix();
        case 1:
            return controls_.OnConicalHelix();
        default:
            return controls_.OnSphericalHelix();
        }
    }

    int Bar()
    {
        const int bars[] = {ControlId::kBarA, ControlId::kBarZ, ControlId::kBarP, 1234};
        return bars[Pick(0, 3)];
    }

    ScreenPoint Cursor()
    {
        if (Pick(0, 50) == 0)
            return {Pick(INT32_MIN, INT32_MAX), Pick(INT32_MIN, INT32_MAX)};
        return {Pick(-200, 2200), Pick(-200, 1400)};
    }

    std::mt19937 random_;
    ViewControls controls_{panel};
};

void ExpectInvariants(const RandomWalk& walk, int step)
{
    const ViewState& v = View();
    SCOPED_TRACE(step);
    ASSERT_EQ(v.zoom, std::floor(v.zoom));
    ASSERT_GE(v.zoom, 0.0);
    ASSERT_LE(v.zoom, 100.0);
    ASSERT_GE(v.angleDeg, AngleFloor(v.curveKind));
    ASSERT_LE(v.angleDeg, 89);
    ASSERT_TRUE(IsFinite(v.eye));
    ASSERT_TRUE(IsFinite(v.up));
    ASSERT_TRUE(IsFinite(v.right));
    if (!walk.figureChosen)
        return;
    const double distance = Length(v.eye);
    ASSERT_GE(distance, 20.0 * (1 - 1e-9));
    ASSERT_LE(distance, 300.0 * (1 + 1e-9));
    ASSERT_EQ(walk.panel.barZ.thumb, int(100 - v.zoom));
    ASSERT_EQ(walk.panel.barA.thumb, v.angleDeg);
    ASSERT_EQ(walk.panel.label, AngleText(v.angleDeg));
    ASSERT_NEAR(Length(v.up), 1.0, 1e-12);
    ASSERT_NEAR(Length(v.right), 1.0, 1e-12);
    ASSERT_NEAR(Dot(v.up, v.right), 0.0, 1e-12);
    const Vec3 sight = Normalize(v.viewDir);
    ASSERT_NEAR(Dot(v.up, sight), 0.0, 1e-12);
    ASSERT_NEAR(Dot(v.right, sight), 0.0, 1e-12);
}

} // namespace

using RandomWalkTest = ViewTest;

TEST_F(RandomWalkTest, ViewStaysWithinItsBounds)
{
    for (unsigned seed : {1u, 2u, 3u}) {
        View() = ViewState{};
        RandomWalk walk(seed);
        for (int step = 0; step < 3000; ++step) {
            walk.Step();
            ExpectInvariants(walk, step);
            if (HasFatalFailure())
                return;
        }
    }
}
