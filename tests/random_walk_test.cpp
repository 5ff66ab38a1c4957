// Thousands of random actions of every kind, from the start of a run: the
// view must stay within its bounds and the controls must show it.
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
        switch (Pick(0, 9)) {
        case 0:
            if (Pick(0, 3) == 0)
                PressButton();
            break;
        case 1:
        case 2:
        case 3:
            controls_.OnVScroll(unsigned(Pick(0, 9)), Pick(-50, 350), Bar());
            break;
        case 4:
            controls_.OnLButtonDown(Cursor());
            break;
        case 5:
            controls_.OnLButtonUp();
            break;
        default:
            controls_.OnMouseMove(Cursor());
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
