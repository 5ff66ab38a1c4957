// SPDX-License-Identifier: MIT
// Thousands of random actions of every kind, from the start of a run, each
// redraw made on a real canvas, through the checker the action fuzzer uses.
#include <random>

#include "checked_actions.h"
#include "render/draw_figure.h"
#include "test_support.h"

namespace {

class RandomWalk {
public:
    explicit RandomWalk(unsigned seed) : random_(seed) {}

    void Step()
    {
        switch (Pick(0, 10)) {
        case 0:
            if (Pick(0, 3) == 0)
                actions.PressButton(CurveKind(Pick(1, 3)));
            break;
        case 1:
        case 2:
        case 3:
            actions.Scroll(unsigned(Pick(0, 9)), Pick(-50, 350), Bar());
            break;
        case 4:
            actions.Press(Cursor());
            break;
        case 5:
            actions.Release();
            break;
        case 6:
            ExactTurn();
            break;
        default:
            actions.Move(Cursor());
        }
    }

    FigureCache figures;
    CheckedActions actions{1e-12, [](const char* what) { ADD_FAILURE() << what; },
                           [this](const ViewState& view) {
                               Canvas canvas;
                               ComposeFigure(canvas, figures, view);
                           }};

private:
    int Pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }

    void ExactTurn()
    {
        static constexpr int kSteps[][2] = {{250, 0},  {0, -250}, {150, 200},
                                            {-500, 0}, {0, 500},  {-300, 400}};
        const auto& step = kSteps[Pick(0, 5)];
        actions.ExactTurn({Pick(-200, 2200), Pick(-200, 1400)}, step[0], step[1]);
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
};

} // namespace

TEST(RandomWalkTest, ViewStaysWithinItsBounds)
{
    for (unsigned seed : {1u, 2u, 3u}) {
        RandomWalk walk(seed);
        for (int step = 0; step < 3000; ++step) {
            SCOPED_TRACE(step);
            walk.Step();
            walk.actions.CheckView();
            if (HasFailure())
                return;
        }
    }
}
