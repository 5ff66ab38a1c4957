// SPDX-License-Identifier: MIT
// What the "Desarrollo" option does to the window's width and place.
#include <gtest/gtest.h>

#include "controls/flat_option.h"

namespace {

::testing::AssertionResult Changes(WindowChange change, int width, int moveLeft)
{
    if (change.clientWidth == width && change.moveLeft == moveLeft)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << "width " << change.clientWidth << ", moved left " << change.moveLeft << "; expected "
           << width << ", " << moveLeft;
}

} // namespace

TEST(FlatOptionTest, WidensByTheFlatPictureAndGivesItAllBack)
{
    FlatOption option;
    EXPECT_FALSE(option.On());
    EXPECT_TRUE(Changes(option.TurnOn(764, 500, 1000, 300), 1274, 0));
    EXPECT_TRUE(option.On());
    EXPECT_EQ(option.GrownBy(), 510);
    EXPECT_TRUE(Changes(option.TurnOn(1274, 500, 1000, 300), 1274, 0)) << "on already";
    EXPECT_TRUE(Changes(option.TurnOff(1274, 764), 764, 0));
    EXPECT_FALSE(option.On());
    EXPECT_EQ(option.GrownBy(), 0);
    EXPECT_TRUE(Changes(option.TurnOff(764, 764), 764, 0)) << "off already";
}

TEST(FlatOptionTest, TakesTheRoomRightThenLeftThenShares)
{
    FlatOption option;
    EXPECT_TRUE(Changes(option.TurnOn(764, 500, 200, 1000), 1274, 310))
        << "200 right, 310 by moving left";
    EXPECT_TRUE(Changes(option.TurnOff(1274, 764), 764, -310)) << "and back";

    EXPECT_TRUE(Changes(option.TurnOn(764, 500, 40, 60), 864, 60)) << "all the screen has";
    EXPECT_EQ(option.GrownBy(), 100);
    EXPECT_TRUE(Changes(option.TurnOff(864, 764), 764, -60));

    EXPECT_TRUE(Changes(option.TurnOn(764, 500, 0, 0), 764, 0)) << "maximised: the pictures share";
    EXPECT_TRUE(option.On());
    EXPECT_TRUE(Changes(option.TurnOn(764, 500, -5, -5), 764, 0));
    EXPECT_TRUE(Changes(option.TurnOff(764, 764), 764, 0));

    // Narrowed by the user meanwhile: never below the minimum.
    option.TurnOn(764, 500, 1000, 0);
    EXPECT_TRUE(Changes(option.TurnOff(900, 764), 764, 0));
}

TEST(FlatOptionTest, ResumesTheWindowAsItWasLeft)
{
    FlatOption kept;
    EXPECT_TRUE(Changes(kept.Resume(true, 1274, {510, 0}, 500, 0, 0, 764), 1274, 0))
        << "widened already";
    EXPECT_TRUE(kept.On());
    EXPECT_TRUE(Changes(kept.TurnOff(1274, 764), 764, 0));

    FlatOption givenBack;
    EXPECT_TRUE(Changes(givenBack.Resume(false, 1274, {510, 0}, 500, 0, 0, 764), 764, 0));
    EXPECT_FALSE(givenBack.On());

    FlatOption movedBack;
    EXPECT_TRUE(Changes(movedBack.Resume(false, 1274, {510, 310}, 500, 0, 0, 764), 764, -310))
        << "widened by moving left: moved back right";
    FlatOption keptMoved;
    keptMoved.Resume(true, 1274, {510, 310}, 500, 0, 0, 764);
    EXPECT_EQ(keptMoved.Widening().movedLeft, 310) << "remembered again at the next close";
    EXPECT_TRUE(Changes(keptMoved.TurnOff(1274, 764), 764, -310));
    FlatOption edited;
    EXPECT_TRUE(Changes(edited.Resume(false, 864, {100, 5000}, 500, 0, 0, 764), 764, -100))
        << "never farther than the widening";

    FlatOption fresh;
    EXPECT_TRUE(Changes(fresh.Resume(true, 764, {}, 500, 600, 0, 764), 1274, 0)) << "nothing saved";
    FlatOption plain;
    EXPECT_TRUE(Changes(plain.Resume(false, 764, {}, 500, 600, 0, 764), 764, 0));
    EXPECT_FALSE(plain.On());
}
