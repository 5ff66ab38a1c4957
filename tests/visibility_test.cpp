// SPDX-License-Identifier: MIT
#include <cmath>
#include <functional>
#include <optional>
#include <random>

#include <gtest/gtest.h>

#include "geometry/visibility.h"

namespace {

// The figures' surfaces: the helix's cylinder between the heights of its
// wireframe, the cone of the conical helix, the loxodrome's sphere.
const DrawnCylinder kCylinder{15.0, -15.0 * 1.5 * 3.141592653589793, 70.0};
const DrawnCone kCone{50.0, std::tan(3.141592653589793 / 6), 49.6};
const DrawnSphere kSphere{35.0};
const Vec3 kDefaultEyePoint{300.0, 0.0, 0.0};

// A surface as the ray march sees it: a function that changes sign across
// it, and whether a point of it belongs to the drawn part (with a margin
// within which the case is too close to call, or none).
struct MarchedSurface {
    std::function<double(Vec3)> side;
    std::function<std::optional<bool>(Vec3)> drawn;
};

// Whether the open segment from p to the eye crosses the drawn surface, by
// marching along it in small steps and refining each change of side by
// bisection; none when a crossing lies too close to the segment's ends or
// to the edge of the drawn part to call.
std::optional<bool> MarchHides(const MarchedSurface& surface, Vec3 p, Vec3 eye)
{
    constexpr int kSteps = 20000;
    constexpr double kEnds = 1e-4;
    const Vec3 d = Subtract(eye, p);
    auto at = [&](double s) { return Add(p, Scale(s, d)); };
    double previous = kEnds;
    bool hidden = false;
    for (int i = 1; i <= kSteps; ++i) {
        const double s = kEnds + (1.0 - 2 * kEnds) * i / kSteps;
        if ((surface.side(at(previous)) > 0) != (surface.side(at(s)) > 0)) {
            double low = previous, high = s;
            for (int k = 0; k < 60; ++k) {
                const double middle = 0.5 * (low + high);
                ((surface.side(at(middle)) > 0) == (surface.side(at(low)) > 0) ? low : high) =
                    middle;
            }
            const std::optional<bool> drawn = surface.drawn(at(low));
            if (!drawn)
                return std::nullopt;
            hidden = hidden || *drawn;
        }
        previous = s;
    }
    // A crossing within kEnds of either end is left to the formula.
    if ((surface.side(at(0.5 * kEnds)) > 0) != (surface.side(at(kEnds)) > 0) ||
        (surface.side(at(1.0 - kEnds)) > 0) != (surface.side(eye) > 0))
        return std::nullopt;
    return hidden;
}

std::optional<bool> Within(double value, double low, double high)
{
    constexpr double kMargin = 1e-6;
    if (std::fabs(value - low) < kMargin || std::fabs(value - high) < kMargin)
        return std::nullopt;
    return value > low && value < high;
}

MarchedSurface Marched(const DrawnCylinder& c)
{
    return {[c](Vec3 x) { return x.x * x.x + x.y * x.y - c.radius * c.radius; },
            [c](Vec3 x) { return Within(x.z, c.bottom, c.top); }};
}

MarchedSurface Marched(const DrawnCone& c)
{
    return {[c](Vec3 x) {
                const double drop = c.apexHeight - x.z;
                return x.x * x.x + x.y * x.y - c.tanHalfAngle * c.tanHalfAngle * drop * drop;
            },
            [c](Vec3 x) {
                // Below the apex, the lower nappe: within the rim.
                const std::optional<bool> below = Within(x.z, -1e300, c.apexHeight);
                if (!below || !*below)
                    return below;
                return Within(std::hypot(x.x, x.y), -1.0, c.rimRadius);
            }};
}

MarchedSurface Marched(const DrawnSphere& s)
{
    return {[s](Vec3 x) { return SquaredLength(x) - s.radius * s.radius; },
            [](Vec3) { return std::optional<bool>(true); }};
}

Vec3 OnCylinder(std::mt19937& random)
{
    std::uniform_real_distribution<double> angle(-3.14159, 3.14159);
    std::uniform_real_distribution<double> height(kCylinder.bottom, kCylinder.top);
    const double phi = angle(random);
    return {kCylinder.radius * std::cos(phi), kCylinder.radius * std::sin(phi), height(random)};
}

Vec3 OnCone(std::mt19937& random)
{
    std::uniform_real_distribution<double> angle(-3.14159, 3.14159);
    std::uniform_real_distribution<double> across(0.5, kCone.rimRadius);
    const double phi = angle(random), r = across(random);
    return {r * std::cos(phi), r * std::sin(phi), kCone.apexHeight - r / kCone.tanHalfAngle};
}

Vec3 OnSphere(std::mt19937& random)
{
    std::normal_distribution<double> normal;
    return Scale(kSphere.radius, Normalize({normal(random), normal(random), normal(random)}));
}

// Eyes all round the figures, near and far, inside each surface and beyond.
Vec3 AnyEye(std::mt19937& random)
{
    std::uniform_int_distribution<int> reach(0, 3);
    const double reaches[] = {14.0, 34.0, 120.0, 2000.0};
    std::uniform_real_distribution<double> box(-1.0, 1.0);
    const double r = reaches[reach(random)];
    return {r * box(random), r * box(random), r * box(random)};
}

template <class Surface, class Hides, class Point>
void ExpectMarchAgrees(unsigned seed, const Surface& surface, Hides hides, Point point)
{
    std::mt19937 random(seed);
    const MarchedSurface marched = Marched(surface);
    int decided = 0, hiddenCount = 0;
    for (int i = 0; i < 600; ++i) {
        const Vec3 p = point(random);
        const Vec3 eye = AnyEye(random);
        const std::optional<bool> expected = MarchHides(marched, p, eye);
        if (!expected)
            continue;
        ++decided;
        hiddenCount += *expected;
        EXPECT_EQ(hides(surface, p, eye), *expected)
            << "point (" << p.x << ", " << p.y << ", " << p.z << "), eye (" << eye.x << ", "
            << eye.y << ", " << eye.z << ")";
    }
    // Most cases are decided, and both answers come up often.
    EXPECT_GT(decided, 550);
    EXPECT_GT(hiddenCount, 60);
    EXPECT_LT(hiddenCount, decided - 60);
}

} // namespace

TEST(VisibilityTest, DefaultEyeSeesTheNearSideOfTheCylinderOnly)
{
    EXPECT_FALSE(HiddenOnCylinder(kCylinder, {15.0, 0.0, 0.0}, kDefaultEyePoint));
    EXPECT_TRUE(HiddenOnCylinder(kCylinder, {-15.0, 0.0, 0.0}, kDefaultEyePoint));
    // Over the top edge, the back of the inside is seen through the open end.
    EXPECT_FALSE(HiddenOnCylinder(kCylinder, {-15.0, 0.0, 69.0}, {300.0, 0.0, 2000.0}));
    EXPECT_TRUE(HiddenOnCylinder(kCylinder, {-15.0, 0.0, 60.0}, {300.0, 0.0, 70.0}));
}

TEST(VisibilityTest, DefaultEyeSeesTheNearSideOfTheConeAndTheSphere)
{
    const double r = 24.8, z = kCone.apexHeight - r / kCone.tanHalfAngle;
    EXPECT_FALSE(HiddenOnCone(kCone, {r, 0.0, z}, kDefaultEyePoint));
    EXPECT_TRUE(HiddenOnCone(kCone, {-r, 0.0, z}, kDefaultEyePoint));
    EXPECT_FALSE(HiddenOnSphere(kSphere, {35.0, 0.0, 0.0}, kDefaultEyePoint));
    EXPECT_TRUE(HiddenOnSphere(kSphere, {-35.0, 0.0, 0.0}, kDefaultEyePoint));
    EXPECT_TRUE(HiddenOnSphere(kSphere, {0.0, 35.0, 0.0}, kDefaultEyePoint));
}

TEST(VisibilityTest, EyesWithinOrAboveSeeEverything)
{
    std::mt19937 random(5);
    for (int i = 0; i < 200; ++i) {
        // Inside the cylinder or the sphere; above the apex on the axis,
        // where the cone's outside lies open below the eye.
        EXPECT_FALSE(HiddenOnCylinder(kCylinder, OnCylinder(random), {3.0, -4.0, 10.0}));
        EXPECT_FALSE(HiddenOnSphere(kSphere, OnSphere(random), {10.0, 5.0, -20.0}));
        EXPECT_FALSE(HiddenOnCone(kCone, OnCone(random), {0.0, 0.0, 120.0}));
    }
}

TEST(VisibilityTest, EachTestAgreesWithARayMarch)
{
    ExpectMarchAgrees(1, kCylinder, HiddenOnCylinder, OnCylinder);
    ExpectMarchAgrees(2, kCone, HiddenOnCone, OnCone);
    ExpectMarchAgrees(3, kSphere, HiddenOnSphere, OnSphere);
}

TEST(VisibilityTest, AwkwardEyesGiveAnAnswer)
{
    const Vec3 p{15.0, 0.0, 0.0};
    const Vec3 apex{0.0, 0.0, kCone.apexHeight};
    // The eye on the point itself, on the surface, on the axis, at the apex,
    // very far: each a plain answer (a not-a-number comparison is false, so
    // this would not show it, but the point itself must be seen).
    EXPECT_FALSE(HiddenOnCylinder(kCylinder, p, p));
    EXPECT_FALSE(HiddenOnCone(kCone, apex, apex));
    EXPECT_FALSE(HiddenOnSphere(kSphere, {35.0, 0.0, 0.0}, {35.0, 0.0, 0.0}));
    EXPECT_FALSE(HiddenOnCylinder(kCylinder, p, {0.0, 15.0, 3.0}));
    EXPECT_FALSE(HiddenOnCylinder(kCylinder, p, {15.0, 0.0, 300.0})); // along the wall
    EXPECT_FALSE(HiddenOnCone(kCone, {10.0, 0.0, 50.0 - 10.0 / kCone.tanHalfAngle}, apex));
    EXPECT_TRUE(HiddenOnCylinder(kCylinder, {-15.0, 0.0, 0.0}, {1e150, 0.0, 0.0}));
    EXPECT_TRUE(HiddenOnSphere(kSphere, {-35.0, 0.0, 0.0}, {1e150, 1e150, 1e150}));
    EXPECT_FALSE(
        HiddenOnCone(kCone, {24.8, 0.0, 50.0 - 24.8 / kCone.tanHalfAngle}, {1e150, 0.0, -1e149}));
}
