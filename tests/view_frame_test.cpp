// SPDX-License-Identifier: MIT
#include <cmath>
#include <cstring>
#include <limits>
#include <random>
#include <vector>

#include "geometry/vec3.h"
#include "geometry/view_frame.h"
#include "test_support.h"

using ViewFrameTest = ViewTest;

TEST_F(ViewFrameTest, DefaultViewFrame)
{
    SetDefaultView();
    UpdateViewFrame();
    EXPECT_TRUE(AreNear(View().viewDir, {300, 0, 0}, 0.0));
    EXPECT_TRUE(AreNear(View().up, {0, 0, 1}, 0.0));
    EXPECT_TRUE(AreNear(View().right, {0, 1, 0}, 0.0));
    EXPECT_TRUE(AreNear(View().planePoint, {280, 0, 0}, 0.0));
}

TEST_F(ViewFrameTest, FrameIsRightHandedOrthonormalForAnyEye)
{
    View().eye = {-120, 75, 210};
    View().up = {0, 0, 1};
    UpdateViewFrame();
    const ViewState& v = View();
    EXPECT_NEAR(Length(v.up), 1.0, 1e-15);
    EXPECT_NEAR(Length(v.right), 1.0, 1e-15);
    EXPECT_NEAR(Dot(v.up, v.viewDir), 0.0, 1e-12);
    EXPECT_NEAR(Dot(v.right, v.up), 0.0, 1e-15);
    EXPECT_TRUE(AreNear(Cross(v.right, v.up), Normalize(v.viewDir), 1e-15));
    EXPECT_GT(v.up.z, 0.0) << "the new up keeps the old one's sense";
    EXPECT_NEAR(Length(Subtract(v.eye, v.planePoint)), 20.0, 1e-12);
}

TEST_F(ViewFrameTest, IntersectLinePlane)
{
    const Vec3 hit = IntersectLinePlane({0, 10, 0}, {300, -10, 0}, {280, 0, 0}, {300, 0, 0});
    EXPECT_TRUE(AreNear(hit, {280, 2.0 / 3.0, 0}, 1e-12));
}

TEST_F(ViewFrameTest, DefaultViewPixels)
{
    SetDefaultView();
    UpdateViewFrame();
    EXPECT_EQ(PixelOf({0, 0, 0}), (Pixel{250, 250}));
    EXPECT_NEAR(ProjectPoint({0, 10, 0}).x, 100.0 / 3.0, 1e-12);
    EXPECT_EQ(PixelOf({0, 10, 0}), (Pixel{283, 250}));
    EXPECT_EQ(PixelOf({0, -10, 0}), (Pixel{216, 250}));
    EXPECT_NEAR(ProjectPoint({0, 0, 10}).y, 100.0 / 3.0, 1e-12);
    EXPECT_EQ(PixelOf({0, 0, 10}), (Pixel{250, 216}));
}

TEST_F(ViewFrameTest, NearerPointsLookLarger)
{
    SetDefaultView();
    UpdateViewFrame();
    EXPECT_NEAR(ProjectPoint({100, 10, 0}).x, 50.0, 1e-12);
    EXPECT_EQ(PixelOf({100, 10, 0}), (Pixel{300, 250}));
}

TEST_F(ViewFrameTest, PixelsTruncateTowardZero)
{
    SetDefaultView();
    UpdateViewFrame();
    // v = 333.33…, so the row is trunc(−83.33…) = −83, not −84.
    EXPECT_EQ(PixelOf({0, 0, 100}), (Pixel{250, -83}));
}

TEST_F(ViewFrameTest, ZoomZeroCollapsesOntoTheCentre)
{
    SetDefaultView();
    View().zoom = 0.0;
    UpdateViewFrame();
    EXPECT_EQ(PixelOf({10, -35, 35}), (Pixel{250, 250}));
}

TEST_F(ViewFrameTest, NearestEyePutsThePlaneThroughTheOrigin)
{
    SetDefaultView();
    View().eye = {20, 0, 0};
    UpdateViewFrame();
    EXPECT_TRUE(AreNear(View().planePoint, {0, 0, 0}, 0.0));
    // A point behind the eye is drawn inverted through the centre.
    const Vec3 hit = IntersectLinePlane({30, 10, 0}, Subtract(View().eye, {30, 10, 0}),
                                        View().planePoint, View().viewDir);
    EXPECT_TRUE(AreNear(hit, {0, -20, 0}, 1e-12));
}

TEST_F(ViewFrameTest, EyeOnTheTargetKeepsThePreviousFrame)
{
    SetDefaultView();
    UpdateViewFrame();
    View().eye = {0, 0, 0};
    UpdateViewFrame();
    EXPECT_TRUE(AreNear(View().up, {0, 0, 1}, 0.0));
    EXPECT_TRUE(AreNear(View().right, {0, 1, 0}, 0.0));
    EXPECT_TRUE(AreNear(View().planePoint, {280, 0, 0}, 0.0));
}

TEST_F(ViewFrameTest, UpAlongTheLineOfSightFallsBackOnRight)
{
    SetDefaultView();
    UpdateViewFrame();
    View().eye = {0, 0, 300}; // straight over the pole, up (0, 0, 1) along the line of sight
    UpdateViewFrame();
    const ViewState& v = View();
    ASSERT_TRUE(IsFinite(v.up) && IsFinite(v.right));
    EXPECT_TRUE(AreNear(v.right, {0, 1, 0}, 1e-15));
    EXPECT_TRUE(AreNear(Cross(v.right, v.up), {0, 0, 1}, 1e-15));
    EXPECT_TRUE(AreNear(v.planePoint, {0, 0, 280}, 1e-12));
    // The next frame is not poisoned either.
    View().eye = {0, 10, 290};
    UpdateViewFrame();
    EXPECT_TRUE(IsFinite(View().up) && IsFinite(View().right));
}

TEST_F(ViewFrameTest, StartOfRunFrameStaysFinite)
{
    UpdateViewFrame(); // eye and up are zero before the first curve button
    EXPECT_TRUE(IsFinite(View().up));
    EXPECT_TRUE(IsFinite(View().right));
    EXPECT_TRUE(IsFinite(View().planePoint));
}

TEST(PixelConversionTest, SaturatesAndMapsNotANumber)
{
    constexpr int32_t kMin = std::numeric_limits<int32_t>::min();
    constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
    EXPECT_EQ(TruncToPixel(-83.9), -83);
    EXPECT_EQ(TruncToPixel(499.99), 499);
    EXPECT_EQ(TruncToPixel(2147483647.9), kMax);
    EXPECT_EQ(TruncToPixel(-2147483648.9), kMin);
    EXPECT_EQ(TruncToPixel(1e300), kMax);
    EXPECT_EQ(TruncToPixel(-1e300), kMin);
    EXPECT_EQ(TruncToPixel(std::numeric_limits<double>::infinity()), kMax);
    EXPECT_EQ(TruncToPixel(-std::numeric_limits<double>::infinity()), kMin);
    EXPECT_EQ(TruncToPixel(std::nan("")), kMin);
}

namespace {

uint64_t BitsOf(double value)
{
    uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

} // namespace

TEST_F(ViewFrameTest, EveryRunnableCloneProjectsLikeProjectPoint)
{
    const std::vector<ProjectPointsClone> clones = RunnableProjectPointsClones();
    ASSERT_FALSE(clones.empty());
    EXPECT_STREQ(clones.back().unit, "portable");

    // An odd count, so that the tail after the last full vector is checked
    // too, and points that reach the eye's own plane, where the results are
    // huge or not finite.
    std::mt19937_64 random(13);
    std::uniform_real_distribution<double> coordinate(-320.0, 320.0);
    constexpr size_t kCount = 1001;
    std::vector<double> x(kCount), y(kCount), z(kCount);
    for (size_t i = 0; i < kCount; ++i) {
        x[i] = coordinate(random);
        y[i] = coordinate(random);
        z[i] = coordinate(random);
    }
    for (Vec3 eye : {Vec3{300, 0, 0}, Vec3{-120, 75, 210}, Vec3{20, 0.5, -3}}) {
        SetDefaultView();
        View().eye = eye;
        View().zoom = 37.0;
        UpdateViewFrame();
        for (const ProjectPointsClone& clone : clones) {
            std::vector<double> u(kCount), v(kCount);
            clone.function(x.data(), y.data(), z.data(), kCount, u.data(), v.data());
            for (size_t i = 0; i < kCount; ++i) {
                const Vec3 picture = ProjectPoint({x[i], y[i], z[i]});
                ASSERT_EQ(BitsOf(u[i]), BitsOf(picture.x)) << clone.unit << " point " << i;
                ASSERT_EQ(BitsOf(v[i]), BitsOf(picture.y)) << clone.unit << " point " << i;
            }
        }
    }
}
