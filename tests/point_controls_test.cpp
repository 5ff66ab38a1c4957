// SPDX-License-Identifier: MIT
// The point's controls: where a figure puts it, what another angle keeps,
// the steps and moves that hold it to the curve, the animation's clock and
// the nearest point of the flat picture.
#include <cmath>
#include <random>
#include <vector>

#include <gtest/gtest.h>

#include "controls/point_controls.h"
#include "render/angle_mark.h"

TEST(PointControlsTest, AFigurePutsItsDefaultAndAnAngleKeepsTheParameter)
{
    PointControls point;
    EXPECT_FALSE(point.Follow(ViewState{}));
    point.SetOn(true);
    EXPECT_FALSE(point.Shown()) << "no figure, no point";
    EXPECT_TRUE(point.Follow(DefaultView(CurveKind::ConicalHelix)));
    EXPECT_EQ(point.Parameter(), DefaultParameter(point.Curve()));
    ASSERT_TRUE(point.MoveTo(3.0));
    EXPECT_FALSE(point.Follow(DefaultView(CurveKind::ConicalHelix, 45)));
    EXPECT_EQ(point.Parameter(), 3.0);
    // A curve button again starts over.
    point.ExpectCurveButton();
    EXPECT_TRUE(point.Follow(DefaultView(CurveKind::ConicalHelix, 45)));
    EXPECT_EQ(point.Parameter(), DefaultParameter(point.Curve()));
    // An angle whose curve is shorter holds the point to its end.
    point.Follow(DefaultView(CurveKind::Helix, 60));
    point.MoveTo(1e9);
    const double end = point.Parameter();
    point.Follow(DefaultView(CurveKind::Helix, 30));
    EXPECT_EQ(point.Parameter(), point.Curve().range.last);
    EXPECT_LT(point.Parameter(), end);
    point.SetOn(false);
    EXPECT_FALSE(point.Shown());
}

TEST(PointControlsTest, StepsAndMovesStayOnTheCurve)
{
    PointControls point;
    EXPECT_FALSE(point.MoveTo(1.0)) << "no curve to move on";
    point.Follow(DefaultView(CurveKind::SphericalHelix));
    const CurveRange range = point.Curve().range;
    EXPECT_FALSE(point.MoveTo(std::nan("")));
    EXPECT_TRUE(point.MoveTo(-5.0));
    EXPECT_EQ(point.Parameter(), range.first);
    EXPECT_FALSE(point.Step(-1));
    int steps = 0;
    while (point.Step(+1))
        ++steps;
    EXPECT_EQ(point.Parameter(), range.last);
    EXPECT_NEAR(steps, kPointStepsAlongCurve, 1);
}

// Even steps along the cone's curve: its length grows with the distance
// from the apex, so each step takes the point equally farther out, near
// the apex as at the rim, and half the run is half way out.
TEST(PointControlsTest, StepsAreEvenAlongTheCurvesLength)
{
    PointControls point;
    point.Follow(DefaultView(CurveKind::ConicalHelix, 60));
    const CurveRange range = point.Curve().range;
    point.MoveTo(range.first);
    auto slant = [&] {
        const Vec3 p = PointOnCurve(CurveKind::ConicalHelix, 60, point.Parameter()).position;
        return Length(Subtract(p, {0, 0, 50}));
    };
    std::vector<double> out{slant()};
    while (point.Step(+1))
        out.push_back(slant());
    ASSERT_GT(out.size(), 100u);
    const double step = out[1] - out[0];
    for (size_t i = 2; i + 1 < out.size(); ++i)
        EXPECT_NEAR(out[i] - out[i - 1], step, 1e-9 * out.back()) << i;
    const double middle =
        PointOnCurve(CurveKind::ConicalHelix, 60, point.AnimatedParameter(6.0)).position.z;
    EXPECT_NEAR(50 - middle,
                (50 - PointOnCurve(CurveKind::ConicalHelix, 60, range.last).position.z + 50 -
                 PointOnCurve(CurveKind::ConicalHelix, 60, range.first).position.z) /
                    2,
                1e-9);
}

// From the curve's start to its end in 12 seconds, then again.
TEST(PointControlsTest, AnimationRunsTheCurveInTwelveSeconds)
{
    PointControls point;
    point.Follow(DefaultView(CurveKind::Helix));
    const CurveRange range = point.Curve().range;
    EXPECT_EQ(point.AnimatedParameter(0.0), range.first);
    EXPECT_NEAR(point.AnimatedParameter(6.0), (range.first + range.last) / 2, 1e-12);
    EXPECT_NEAR(point.AnimatedParameter(11.999999), range.last, 1e-5);
    EXPECT_EQ(point.AnimatedParameter(12.0), range.first);
    EXPECT_NEAR(point.AnimatedParameter(15.0), point.AnimatedParameter(3.0), 1e-12);
}

// A press on the flat curve finds that very point; one off every curve
// point drawn (the loxodrome's beyond the Mercator square) finds none.
TEST(PointControlsTest, NearestFlatPointIsThePressedOne)
{
    for (CurveKind figure :
         {CurveKind::Helix, CurveKind::ConicalHelix, CurveKind::SphericalHelix}) {
        const TracedCurve curve = TraceOf(figure, 50);
        const FlatFigure flat = MakeFlatFigure(figure, 50);
        const double t = DefaultParameter(curve) + 0.123;
        const PicturePoint pressed = flat.fit.Apply(MarkInPlane(curve, t).point);
        const std::optional<double> found = NearestFlatParameter(curve, flat.fit, pressed);
        ASSERT_TRUE(found);
        const PicturePoint at = flat.fit.Apply(MarkInPlane(curve, *found).point);
        EXPECT_LT(std::hypot(at.x - pressed.x, at.y - pressed.y), 1e-6) << int(figure);
    }
    EXPECT_FALSE(NearestFlatParameter(TracedCurve{}, FlatFit{}, {250, 250}));
}

// Wherever the press, no point of the flat curve is nearer than the one
// found, by a dense sweep of the curve by the parameter and by its length;
// the cone is the hard case, with its spiral's turns crowded at steep and
// flat angles.
TEST(PointControlsTest, NearestFlatPointHasNoNearerRival)
{
    std::mt19937 random(11);
    std::uniform_real_distribution<double> across(30.0, 470.0);
    for (CurveKind figure : {CurveKind::Helix, CurveKind::ConicalHelix, CurveKind::SphericalHelix})
        for (int angle : {2, 60, 89}) {
            const TracedCurve curve = TraceOf(figure, angle);
            const FlatFit fit = MakeFlatFigure(figure, angle).fit;
            const double first = AlongCurve(curve, curve.range.first);
            const double last = AlongCurve(curve, curve.range.last);
            for (int press = 0; press < 12; ++press) {
                const PicturePoint target{across(random), across(random)};
                auto distance = [&](double t) {
                    const std::optional<FlatPoint> p = FlatCurvePoint(curve, t);
                    if (!p)
                        return double(INFINITY);
                    const PicturePoint q = fit.Apply(*p);
                    return std::hypot(q.x - target.x, q.y - target.y);
                };
                double swept = INFINITY;
                constexpr int kSweep = 30000;
                for (int i = 0; i <= kSweep; ++i) {
                    swept = std::min(swept,
                                     distance(curve.range.first +
                                              (curve.range.last - curve.range.first) * i / kSweep));
                    swept = std::min(swept, distance(curve.range.Clamp(ParameterAlong(
                                                curve, first + (last - first) * i / kSweep))));
                }
                const std::optional<double> found = NearestFlatParameter(curve, fit, target);
                ASSERT_TRUE(found);
                EXPECT_LT(distance(*found), swept + 0.05)
                    << int(figure) << " at " << angle << ", press " << press;
            }
        }
}
