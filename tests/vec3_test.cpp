// SPDX-License-Identifier: MIT
#include <cmath>

#include "geometry/vec3.h"
#include "test_support.h"

TEST(Vec3Test, SubtractTakesTheSecondFromTheFirst)
{
    EXPECT_TRUE(AreNear(Subtract({1, 2, 3}, {4, 6, 8}), {-3, -4, -5}, 0.0));
}

TEST(Vec3Test, ScaleAndAdd)
{
    EXPECT_TRUE(AreNear(Scale(2, {1, -1, 0.5}), {2, -2, 1}, 0.0));
    EXPECT_TRUE(AreNear(Add({1, 2, 3}, {-1, 0.5, 4}), {0, 2.5, 7}, 0.0));
}

TEST(Vec3Test, CrossIsRightHandedAndAntisymmetric)
{
    EXPECT_TRUE(AreNear(Cross({1, 0, 0}, {0, 1, 0}), {0, 0, 1}, 0.0));
    EXPECT_TRUE(AreNear(Cross({0, 1, 0}, {1, 0, 0}), {0, 0, -1}, 0.0));
    // The first two products of the default view frame.
    EXPECT_TRUE(AreNear(Cross({0, 0, 1}, {300, 0, 0}), {0, 300, 0}, 0.0));
    EXPECT_TRUE(AreNear(Cross({300, 0, 0}, {0, 300, 0}), {0, 0, 90000}, 0.0));
}

TEST(Vec3Test, DotLengthNormalize)
{
    EXPECT_EQ(Dot({1, 2, 3}, {4, -5, 6}), 12.0);
    EXPECT_EQ(Length({3, 4, 12}), 13.0);
    EXPECT_TRUE(AreNear(Normalize({300, 0, 0}), {1, 0, 0}, 0.0));
    EXPECT_NEAR(Length(Normalize({-7, 0.25, 1e3})), 1.0, 1e-15);
}

TEST(Vec3Test, DotSumsFromTheLastComponent)
{
    // (z + y) + x and x + y + z differ here: 1e16 + 1 is lost only when it
    // is added before the −1e16.
    EXPECT_EQ(Dot({1, 1e16, 1}, {1, 1, -1e16}), 1.0);
}

TEST(Vec3Test, NormalizeOfZeroIsNotFinite)
{
    EXPECT_FALSE(IsFinite(Normalize({0, 0, 0})));
    EXPECT_TRUE(IsFinite(Normalize({1e-100, 0, 0})));
}

TEST(Vec3Test, PiIsTheDoubleNearestPi)
{
    EXPECT_EQ(Pi(), 3.141592653589793);
    EXPECT_NEAR(Pi() - 3.141592, 6.5e-7, 1e-8);
}
