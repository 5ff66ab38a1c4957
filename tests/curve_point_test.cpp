// SPDX-License-Identifier: MIT
// The point on the curve: it lies on the drawn curve bit for bit, its
// tangent is the derivative, its defaults face the default eye, and the
// angle it measures is the A bar's wherever it lies.
#include <random>

#include "curve_parameters.h"
#include "render/curve_point.h"
#include "render/tracers.h"
#include "test_support.h"

namespace {

void ExpectSameBits(Vec3 actual, Vec3 expected)
{
    EXPECT_EQ(actual.x, expected.x);
    EXPECT_EQ(actual.y, expected.y);
    EXPECT_EQ(actual.z, expected.z);
}

} // namespace

// The range's ends are the drawn curve's first and last vertices, and a
// point at any vertex's parameter is that vertex, to the last bit.
TEST(CurvePointTest, RangeEndsAndVerticesAreTheTracers)
{
    for (CurveKind figure : kFigures)
        for (int angle : {LowestAngle(figure), 30, 60, 89}) {
            SCOPED_TRACE(testing::Message() << int(figure) << " at " << angle);
            const FigureModel model = BuilderOf(figure)(angle);
            const TracedCurve curve = TraceOf(figure, angle, model);
            ASSERT_EQ(curve.figure, figure);
            ASSERT_LT(curve.range.first, curve.range.last);
            // The helix's upper half starts at t = 0; its lower half ends the range.
            const FigurePolyline last = model.curve.front();
            const FigurePolyline first = model.curve.back();
            const size_t firstVertex = first.first + first.count - 1;
            const size_t lastVertex = last.first + last.count - 1;
            const bool lowerHalfReversed = figure == CurveKind::Helix;
            ExpectSameBits(PointOnCurve(figure, angle, curve.range.first).position,
                           model.Vertex(lowerHalfReversed ? firstVertex : first.first));
            ExpectSameBits(PointOnCurve(figure, angle, curve.range.last).position,
                           model.Vertex(lastVertex));
        }
    // The loxodrome's n-th vertex is at θ = 0.01·n; θ stays inside (0, π).
    const FigureModel sphere = SphericalHelixModel(45);
    const TracedCurve curve = TraceOf(CurveKind::SphericalHelix, 45, sphere);
    EXPECT_DOUBLE_EQ(curve.range.first, 0.01);
    EXPECT_DOUBLE_EQ(curve.range.last, 3.14);
    ExpectSameBits(PointOnCurve(CurveKind::SphericalHelix, 45, 100 * 0.01).position,
                   sphere.Vertex(sphere.curve[0].first + 99));
    EXPECT_EQ(TraceOf(CurveKind::None, 60).figure, CurveKind::None);
}

TEST(CurvePointTest, DefaultsFaceTheDefaultEye)
{
    const TracedCurve helix = TraceOf(CurveKind::Helix, 60);
    EXPECT_TRUE(AreNear(PointOnCurve(CurveKind::Helix, 60, DefaultParameter(helix)).position,
                        {15.0, 0.0, 0.0}, 0.0));
    for (int angle : {2, 30, 60, 89}) {
        const TracedCurve cone = TraceOf(CurveKind::ConicalHelix, angle);
        const double t = DefaultParameter(cone);
        EXPECT_NEAR(t, std::log(6.2) / ConeGrowth(angle), 1e-9 * std::fabs(t));
        const Vec3 p = PointOnCurve(CurveKind::ConicalHelix, angle, t).position;
        EXPECT_NEAR(std::hypot(p.x, p.y), 24.8, 1e-9);
    }
    const TracedCurve sphere = TraceOf(CurveKind::SphericalHelix, 60);
    const Vec3 equator =
        PointOnCurve(CurveKind::SphericalHelix, 60, DefaultParameter(sphere)).position;
    EXPECT_NEAR(equator.z, 0.0, 1e-12);
    EXPECT_NEAR(std::hypot(equator.x, equator.y), 35.0, 1e-12);
}

TEST(CurvePointTest, RangeClampsAndRefusesNotANumber)
{
    const CurveRange range{-2.0, 3.0};
    EXPECT_EQ(range.Clamp(5.0), 3.0);
    EXPECT_EQ(range.Clamp(-7.0), -2.0);
    EXPECT_EQ(range.Clamp(1.5), 1.5);
    EXPECT_EQ(range.Clamp(std::nan("")), -2.0);
    EXPECT_FALSE(range.Contains(std::nan("")));
    EXPECT_TRUE(range.Contains(3.0));
    EXPECT_FALSE(range.Contains(3.0000000000000004));
}

// The tangent against a central difference of the position: the two agree
// to the difference's own error, far below the length of either.
TEST(CurvePointTest, TangentIsTheDerivative)
{
    for (CurveKind figure : kFigures)
        for (int angle : {LowestAngle(figure), 17, 60, 89}) {
            const TracedCurve curve = TraceOf(figure, angle);
            for (double t : RandomParameters(curve.range, 7 + angle, 200)) {
                const CurvePoint at = PointOnCurve(figure, angle, t);
                if (!HasDirections(at))
                    continue;
                // Over the step the parameters really take: t ± h rounds.
                auto difference = [&](double h) {
                    const double after = t + h, before = t - h;
                    return Scale(1.0 / (after - before),
                                 Subtract(PointOnCurve(figure, angle, after).position,
                                          PointOnCurve(figure, angle, before).position));
                };
                // The difference's truncation error, a third of how far it
                // moves when h halves, and its rounding, a few units in the
                // last place of the position over h.
                constexpr double h = 1e-5;
                const Vec3 fine = difference(h / 2);
                const double truncation = Length(Subtract(difference(h), fine)) / 3;
                const double tolerance =
                    1e-9 * Length(at.tangent) + 2 * truncation + 8e-16 * Length(at.position) / h;
                const Vec3 central = fine;
                EXPECT_TRUE(AreNear(at.tangent, central, tolerance))
                    << int(figure) << " at " << angle << "°, t = " << t;
            }
        }
}

// The property the program is for: everywhere on the curve, at every angle
// the A bar gives, the measured angle is the bar's.
TEST(CurvePointTest, MeasuredAngleIsTheBarsEverywhere)
{
    for (CurveKind figure : kFigures)
        for (int angle = LowestAngle(figure); angle <= 89; ++angle) {
            const TracedCurve curve = TraceOf(figure, angle);
            int measured = 0;
            for (double t : RandomParameters(curve.range, 100 + angle, 200)) {
                const CurvePoint at = PointOnCurve(figure, angle, t);
                if (!HasDirections(at))
                    continue;
                ++measured;
                EXPECT_NEAR(AngleBetweenDeg(at.tangent, at.generatrix), angle, 1e-9)
                    << int(figure) << " t = " << t;
            }
            // Only the cone's points next to its apex, where ρ underflows,
            // have no directions.
            if (figure != CurveKind::ConicalHelix)
                EXPECT_EQ(measured, 200);
            else
                EXPECT_GT(measured, 100);
        }
}

// At the apex the cone's tangent has no direction: the first vertex of the
// curve at a steep angle lies there, ρ having underflowed to zero.
TEST(CurvePointTest, ApexHasNoDirections)
{
    const TracedCurve cone = TraceOf(CurveKind::ConicalHelix, 2);
    ASSERT_EQ(cone.range.first, ConeDimensions::FirstCurveCounter() * ConeDimensions::kStep);
    const CurvePoint apex = PointOnCurve(CurveKind::ConicalHelix, 2, cone.range.first);
    EXPECT_TRUE(AreNear(apex.position, {0.0, 0.0, 50.0}, 0.0));
    EXPECT_FALSE(HasDirections(apex));
    // Where ρ is tiny but normal, the angle is still exact.
    const double t = std::log(1e-250) / ConeGrowth(2);
    const CurvePoint near = PointOnCurve(CurveKind::ConicalHelix, 2, t);
    ASSERT_TRUE(HasDirections(near));
    EXPECT_NEAR(AngleBetweenDeg(near.tangent, near.generatrix), 2.0, 1e-9);
}

TEST(CurvePointTest, AngleBetweenIgnoresDirectionAndLength)
{
    EXPECT_NEAR(AngleBetweenDeg({1, 0, 0}, {1, 1, 0}), 45.0, 1e-12);
    EXPECT_NEAR(AngleBetweenDeg({-1, 0, 0}, {1, 1, 0}), 45.0, 1e-12);
    EXPECT_NEAR(AngleBetweenDeg({1e-200, 0, 0}, {0, 3e200, 0}), 90.0, 1e-12);
    EXPECT_EQ(AngleBetweenDeg({0, 0, 2}, {0, 0, -5}), 0.0);
}

// The measure along the curve is its length up to a constant: the tangent's
// length over the measure's rate is the same everywhere. It and
// ParameterAlong undo each other, and below the apex there is no parameter.
TEST(CurvePointTest, AlongCurveIsInProportionToLength)
{
    for (CurveKind figure : kFigures) {
        const TracedCurve curve = TraceOf(figure, 40);
        double ratio = 0.0;
        for (double t : RandomParameters(curve.range, 5, 50)) {
            const CurvePoint at = PointOnCurve(figure, 40, t);
            if (!HasDirections(at))
                continue;
            const double h = 1e-6 * std::max(1.0, std::fabs(t));
            const double rate =
                (AlongCurve(curve, t + h) - AlongCurve(curve, t - h)) / ((t + h) - (t - h));
            if (ratio == 0.0)
                ratio = Length(at.tangent) / rate;
            EXPECT_NEAR(Length(at.tangent) / rate, ratio, 1e-6 * ratio) << int(figure);
            EXPECT_NEAR(ParameterAlong(curve, AlongCurve(curve, t)), t, 1e-12 * (1 + std::fabs(t)));
        }
    }
    const TracedCurve cone = TraceOf(CurveKind::ConicalHelix, 40);
    EXPECT_EQ(ParameterAlong(cone, 0.0), -INFINITY);
    EXPECT_EQ(ParameterAlong(cone, -1.0), -INFINITY);
}
