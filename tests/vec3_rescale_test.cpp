// SPDX-License-Identifier: MIT
// Length and Normalize of vectors whose squares leave the normal range, and
// the proof that every other vector keeps the plain formula's last bit.
#include <cfloat>
#include <cmath>
#include <cstring>
#include <limits>
#include <random>

#include "geometry/vec3.h"
#include "test_support.h"

namespace {

bool SameBits(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

double PlainLength(Vec3 v) { return std::sqrt((v.z * v.z + v.y * v.y) + v.x * v.x); }

Vec3 PlainNormalize(Vec3 v)
{
    const double length = PlainLength(v);
    return {v.x / length, v.y / length, v.z / length};
}

} // namespace

TEST(Vec3RescaleTest, HugeVectorsKeepTheirLengthAndDirection)
{
    EXPECT_EQ(Length({0, 0, 1e150}), 1e150);
    EXPECT_DOUBLE_EQ(Length({3e200, 4e200, 0}), 5e200);
    EXPECT_DOUBLE_EQ(Length({DBL_MAX, 0, 0}), DBL_MAX);
    EXPECT_TRUE(AreNear(Normalize({0, 0, 1e150}), {0, 0, 1}, 0.0));
    EXPECT_TRUE(AreNear(Normalize({-3e200, 0, 4e200}), {-0.6, 0, 0.8}, 4e-16));
    EXPECT_TRUE(AreNear(Normalize({DBL_MAX, DBL_MAX, DBL_MAX}),
                        {1 / std::sqrt(3.0), 1 / std::sqrt(3.0), 1 / std::sqrt(3.0)}, 4e-16));
}

TEST(Vec3RescaleTest, TinyAndSubnormalVectorsKeepTheirLengthAndDirection)
{
    EXPECT_EQ(Length({1e-200, 0, 0}), 1e-200);
    EXPECT_DOUBLE_EQ(Length({0, 3e-200, 4e-200}), 5e-200);
    EXPECT_TRUE(AreNear(Normalize({1e-200, 0, 0}), {1, 0, 0}, 0.0));
    EXPECT_TRUE(AreNear(Normalize({0, -3e-200, 4e-200}), {0, -0.6, 0.8}, 4e-16));
    const double smallest = std::numeric_limits<double>::denorm_min();
    EXPECT_EQ(Length({smallest, 0, 0}), smallest);
    EXPECT_TRUE(AreNear(Normalize({0, smallest, 0}), {0, 1, 0}, 0.0));
    // 3 and 4 times the smallest subnormal: exact in the components, lost
    // entirely in their squares.
    EXPECT_EQ(Length({3 * smallest, 4 * smallest, 0}), 5 * smallest);
    EXPECT_TRUE(AreNear(Normalize({3 * smallest, 4 * smallest, 0}), {0.6, 0.8, 0}, 4e-16));
    // A subnormal square: 1e-160 squared is 1e-320, with only a few bits left.
    EXPECT_DOUBLE_EQ(Length({1e-160, 1e-160, 0}), std::sqrt(2.0) * 1e-160);
}

TEST(Vec3RescaleTest, ZeroAndNonFiniteVectorsKeepThePlainResult)
{
    EXPECT_EQ(Length({0, 0, 0}), 0.0);
    const Vec3 zero = Normalize({0, 0, 0});
    EXPECT_TRUE(std::isnan(zero.x) && std::isnan(zero.y) && std::isnan(zero.z));
    EXPECT_TRUE(std::isinf(Length({INFINITY, 0, 0})));
    EXPECT_TRUE(std::isnan(Length({NAN, 1, 0})));
}

// The vertex counts of the figures depend on the last bit of these results,
// so wherever the square is a normal number nothing may change.
TEST(Vec3RescaleTest, NormalSquaresGiveThePlainFormulaBitForBit)
{
    std::mt19937_64 random(20261208);
    std::uniform_real_distribution<double> mantissa(-2.0, 2.0);
    std::uniform_int_distribution<int> exponent(-500, 500);
    for (int i = 0; i < 200000; ++i) {
        const int e = i % 2 ? exponent(random) : exponent(random) / 50;
        const Vec3 v{std::ldexp(mantissa(random), e), std::ldexp(mantissa(random), e),
                     std::ldexp(mantissa(random), e + exponent(random) % 3)};
        if (!std::isnormal(SquaredLength(v)))
            continue;
        ASSERT_TRUE(SameBits(Length(v), PlainLength(v))) << i;
        const Vec3 unit = Normalize(v), plain = PlainNormalize(v);
        ASSERT_TRUE(SameBits(unit.x, plain.x) && SameBits(unit.y, plain.y) &&
                    SameBits(unit.z, plain.z))
            << i;
    }
}

TEST(Vec3RescaleTest, FrameOfAFarOrNearEyeIsOrthonormal)
{
    for (const Vec3 eye : {Vec3{1e150, 0, 0}, Vec3{1e-200, 0, 0}, Vec3{0, 3e-310, 1e-310},
                           Vec3{1e300, -1e300, 1e299}}) {
        ViewState view;
        view.eye = eye;
        view.up = {0, 0, 1};
        UpdateViewFrame(view);
        const Vec3 sight = Normalize(eye);
        EXPECT_NEAR(Length(view.up), 1.0, 1e-15) << eye.x;
        EXPECT_NEAR(Length(view.right), 1.0, 1e-15) << eye.x;
        EXPECT_NEAR(Dot(view.up, view.right), 0.0, 1e-15) << eye.x;
        EXPECT_NEAR(Dot(view.up, sight), 0.0, 1e-15) << eye.x;
        EXPECT_NEAR(Dot(view.right, sight), 0.0, 1e-15) << eye.x;
    }
}

TEST(Vec3RescaleTest, HugeUpGivesTheFrameOfItsDirection)
{
    ViewState view;
    view.eye = {300, 0, 0};
    view.up = {0, 0, 1e150};
    UpdateViewFrame(view);
    EXPECT_TRUE(AreNear(view.up, {0, 0, 1}, 0.0));
    EXPECT_TRUE(AreNear(view.right, {0, 1, 0}, 0.0));
}
