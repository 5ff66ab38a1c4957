// SPDX-License-Identifier: MIT
#include <cmath>

#include <gtest/gtest.h>

#include "geometry/angles.h"

TEST(AnglesTest, RadiansOfWholeDegrees)
{
    EXPECT_EQ(Radians(0), 0.0);
    EXPECT_NEAR(Radians(60), Pi() / 3, 1e-15);
    EXPECT_NEAR(Radians(-90), -Pi() / 2, 1e-15);
    EXPECT_NEAR(std::tan(Radians(45)), 1.0, 1e-15);
}
