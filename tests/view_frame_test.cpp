// SPDX-License-Identifier: MIT
#include <cmath>
#include <cstring>
#include <limits>
#include <random>
#include <vector>

#include "geometry/vec3.h"
#include "geometry/view_frame.h"
#include "test_support.h"

TEST(ViewFrameTest, DefaultViewFrame)
{
    ViewState view = DefaultView(CurveKind::None);
    UpdateViewFrame(view);
    EXPECT_TRUE(AreNear(view.viewDir, {300, 0, 0}, 0.0));
    EXPECT_TRUE(AreNear(view.up, {0, 0, 1}, 0.0));
    EXPECT_TRUE(AreNear(view.right, {0, 1, 0}, 0.0));
    EXPECT_TRUE(AreNear(view.planePoint, {280, 0, 0}, 0.0));
}

TEST(ViewFrameTest, FrameIsRightHandedOrthonormalForAnyEye)
{
    ViewState view;
    view.eye = {-120, 75, 210};
    view.up = {0, 0, 1};
    UpdateViewFrame(view);
    const ViewState& v = view;
    EXPECT_NEAR(Length(v.up), 1.0, 1e-15);
    EXPECT_NEAR(Length(v.right), 1.0, 1e-15);
    EXPECT_NEAR(Dot(v.up, v.viewDir), 0.0, 1e-12);
    EXPECT_NEAR(Dot(v.right, v.up), 0.0, 1e-15);
    EXPECT_TRUE(AreNear(Cross(v.right, v.up), Normalize(v.viewDir), 1e-15));
    EXPECT_GT(v.up.z, 0.0) << "the new up keeps the old one's sense";
    EXPECT_NEAR(Length(Subtract(v.eye, v.planePoint)), 20.0, 1e-12);
}

TEST(ViewFrameTest, IntersectLinePlane)
{
    const Vec3 hit = IntersectLinePlane({0, 10, 0}, {300, -10, 0}, {280, 0, 0}, {300, 0, 0});
    EXPECT_TRUE(AreNear(hit, {280, 2.0 / 3.0, 0}, 1e-12));
}

TEST(ViewFrameTest, DefaultViewPixels)
{
    ViewState view = DefaultView(CurveKind::None);
    UpdateViewFrame(view);
    EXPECT_EQ(PixelOf(view, {0, 0, 0}), (Pixel{250, 250}));
    EXPECT_NEAR(ProjectPoint(view, {0, 10, 0}).x, 100.0 / 3.0, 1e-12);
    EXPECT_EQ(PixelOf(view, {0, 10, 0}), (Pixel{283, 250}));
    EXPECT_EQ(PixelOf(view, {0, -10, 0}), (Pixel{216, 250}));
    EXPECT_NEAR(ProjectPoint(view, {0, 0, 10}).y, 100.0 / 3.0, 1e-12);
    EXPECT_EQ(PixelOf(view, {0, 0, 10}), (Pixel{250, 216}));
}

TEST(ViewFrameTest, NearerPointsLookLarger)
{
    ViewState view = DefaultView(CurveKind::None);
    UpdateViewFrame(view);
    EXPECT_NEAR(ProjectPoint(view, {100, 10, 0}).x, 50.0, 1e-12);
    EXPECT_EQ(PixelOf(view, {100, 10, 0}), (Pixel{300, 250}));
}

TEST(ViewFrameTest, PixelsTruncateTowardZero)
{
    ViewState view = DefaultView(CurveKind::None);
    UpdateViewFrame(view);
    // v = 333.33…, so the row is trunc(−83.33…) = −83, not −84.
    EXPECT_EQ(PixelOf(view, {0, 0, 100}), (Pixel{250, -83}));
}

TEST(ViewFrameTest, ZoomZeroCollapsesOntoTheCentre)
{
    ViewState view = DefaultView(CurveKind::None);
    view.zoom = 0.0;
    UpdateViewFrame(view);
    EXPECT_EQ(PixelOf(view, {10, -35, 35}), (Pixel{250, 250}));
}

TEST(ViewFrameTest, NearestEyePutsThePlaneThroughTheOrigin)
{
    ViewState view = DefaultView(CurveKind::None);
    view.eye = {20, 0, 0};
    UpdateViewFrame(view);
    EXPECT_TRUE(AreNear(view.planePoint, {0, 0, 0}, 0.0));
    // A point behind the eye is drawn inverted through the centre.
    const Vec3 hit = IntersectLinePlane({30, 10, 0}, Subtract(view.eye, {30, 10, 0}),
                                        view.planePoint, view.viewDir);
    EXPECT_TRUE(AreNear(hit, {0, -20, 0}, 1e-12));
}

TEST(ViewFrameTest, EyeOnTheTargetKeepsThePreviousFrame)
{
    ViewState view = DefaultView(CurveKind::None);
    UpdateViewFrame(view);
    view.eye = {0, 0, 0};
    UpdateViewFrame(view);
    EXPECT_TRUE(AreNear(view.up, {0, 0, 1}, 0.0));
    EXPECT_TRUE(AreNear(view.right, {0, 1, 0}, 0.0));
    EXPECT_TRUE(AreNear(view.planePoint, {280, 0, 0}, 0.0));
}

TEST(ViewFrameTest, UpAlongTheLineOfSightFallsBackOnRight)
{
    ViewState view = DefaultView(CurveKind::None);
    UpdateViewFrame(view);
    view.eye = {0, 0, 300}; // straight over the pole, up (0, 0, 1) along the line of sight
    UpdateViewFrame(view);
    const ViewState& v = view;
    ASSERT_TRUE(IsFinite(v.up) && IsFinite(v.right));
    EXPECT_TRUE(AreNear(v.right, {0, 1, 0}, 1e-15));
    EXPECT_TRUE(AreNear(Cross(v.right, v.up), {0, 0, 1}, 1e-15));
    EXPECT_TRUE(AreNear(v.planePoint, {0, 0, 280}, 1e-12));
    // The next frame is not poisoned either.
    view.eye = {0, 10, 290};
    UpdateViewFrame(view);
    EXPECT_TRUE(IsFinite(view.up) && IsFinite(view.right));
}

TEST(ViewFrameTest, StartOfRunFrameStaysFinite)
{
    ViewState view;
    UpdateViewFrame(view); // eye and up are zero before the first curve button
    EXPECT_TRUE(IsFinite(view.up));
    EXPECT_TRUE(IsFinite(view.right));
    EXPECT_TRUE(IsFinite(view.planePoint));
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

// The loop over many points, in whichever vector unit it runs, against the
// conversion of one: an odd count, and the values where saturation and
// not-a-number differ from plain truncation.
TEST(PixelConversionTest, ManyPointsConvertEachAsOne)
{
    const double specials[] = {0.0,
                               -0.0,
                               -250.0,
                               -250.5,
                               249.99,
                               -83.9,
                               1e300,
                               -1e300,
                               2.2e9,
                               -2.2e9,
                               -2147483898.0,
                               std::nan(""),
                               std::numeric_limits<double>::infinity(),
                               -std::numeric_limits<double>::infinity(),
                               2147483397.5};
    std::vector<double> u, v;
    std::mt19937_64 random(29);
    std::uniform_real_distribution<double> coordinate(-800.0, 800.0);
    for (double special : specials)
        for (int i = 0; i < 3; ++i) {
            u.push_back(i == 1 ? coordinate(random) : special);
            v.push_back(i == 2 ? coordinate(random) : special);
        }
    ASSERT_EQ(u.size() % 2, 1u);
    for (double scale : {1.0, 2.0, 0.25, 16.0}) {
        std::vector<int32_t> px(u.size()), py(u.size());
        PixelsOfPictures(u.data(), v.data(), u.size(), scale, px.data(), py.data());
        for (size_t i = 0; i < u.size(); ++i) {
            const Pixel one = PixelOfPicture(u[i], v[i], scale);
            EXPECT_EQ(px[i], one.x) << u[i] << " at scale " << scale;
            EXPECT_EQ(py[i], one.y) << v[i] << " at scale " << scale;
        }
    }
}

namespace {

uint64_t BitsOf(double value)
{
    uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

} // namespace

TEST(ViewFrameTest, EveryRunnableCloneProjectsLikeProjectPoint)
{
    ViewState view;
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
        view = DefaultView(CurveKind::None);
        view.eye = eye;
        view.zoom = 37.0;
        UpdateViewFrame(view);
        for (const ProjectPointsClone& clone : clones) {
            std::vector<double> u(kCount), v(kCount);
            clone.function(view, x.data(), y.data(), z.data(), kCount, u.data(), v.data());
            for (size_t i = 0; i < kCount; ++i) {
                const Vec3 picture = ProjectPoint(view, {x[i], y[i], z[i]});
                ASSERT_EQ(BitsOf(u[i]), BitsOf(picture.x)) << clone.unit << " point " << i;
                ASSERT_EQ(BitsOf(v[i]), BitsOf(picture.y)) << clone.unit << " point " << i;
            }
        }
    }
}

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr int32_t kMaxPixel = std::numeric_limits<int32_t>::max();
constexpr int32_t kMinPixel = std::numeric_limits<int32_t>::min();

} // namespace

TEST(ScaledPixelTest, ScaleOneIsTheUnscaledMapping)
{
    for (double u : {0.0, -0.0, 0.5, -83.3, 249.999, -250.0, 1e300, -1e300, kNaN, kInf, -kInf,
                     2147483397.5, -2147483898.9}) {
        const Pixel scaled = PixelOfPicture(u, -u, 1.0);
        EXPECT_EQ(scaled.x, TruncToPixel(250.0 + u)) << u;
        EXPECT_EQ(scaled.y, TruncToPixel(250.0 - -u)) << u;
    }
}

TEST(ScaledPixelTest, ScaledPixelsTruncateTowardZero)
{
    EXPECT_EQ(PixelOfPicture(-83.3, 83.3, 2.0), (Pixel{333, 333})); // 2·166.7 = 333.4
    EXPECT_EQ(PixelOfPicture(-300.0, 300.0, 2.0), (Pixel{-100, -100}));
    EXPECT_EQ(PixelOfPicture(-250.2, 250.2, 1.5), (Pixel{0, 0})); // −0.3 truncates to 0
    EXPECT_EQ(PixelOfPicture(250.0, -250.0, 1.5), (Pixel{750, 750}));
}

TEST(ScaledPixelTest, ScaledPixelsSaturateAndSendNotANumberFarOff)
{
    // In range at scale 1, beyond the 32-bit range once doubled.
    EXPECT_EQ(PixelOfPicture(1.5e9, 1.5e9, 1.0).x, 1500000250);
    EXPECT_EQ(PixelOfPicture(1.5e9, -1.5e9, 2.0), (Pixel{kMaxPixel, kMaxPixel}));
    EXPECT_EQ(PixelOfPicture(-1.5e9, 1.5e9, 2.0), (Pixel{kMinPixel, kMinPixel}));
    EXPECT_EQ(PixelOfPicture(kNaN, kNaN, 2.0), (Pixel{kMinPixel, kMinPixel}));
    EXPECT_EQ(PixelOfPicture(kInf, -kInf, 16.0), (Pixel{kMaxPixel, kMaxPixel}));
}

TEST(ScaledPixelTest, VectorLoopAgreesWithOnePoint)
{
    std::mt19937 random(9);
    std::uniform_real_distribution<double> coordinate(-3e9, 3e9);
    std::vector<double> u(301), v(301);
    for (size_t i = 0; i < u.size(); ++i) {
        u[i] = i % 3 ? coordinate(random) / double(1 << (i % 30)) : kNaN;
        v[i] = coordinate(random) / double(1 << (i % 31));
    }
    for (double scale : {0.25, 1.0, 1.5, 2.0, 16.0}) {
        std::vector<int32_t> px(u.size()), py(u.size());
        PixelsOfPictures(u.data(), v.data(), u.size(), scale, px.data(), py.data());
        for (size_t i = 0; i < u.size(); ++i)
            EXPECT_EQ((Pixel{px[i], py[i]}), PixelOfPicture(u[i], v[i], scale)) << i;
    }
}
