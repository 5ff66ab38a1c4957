// SPDX-License-Identifier: MIT
// The developments: points worked out by hand, and the property the flat
// picture is for, at every angle the A bar gives: each curve vertex lies on
// its straight line or logarithmic spiral, which meets the generatrices'
// images at the angle α.
#include <cfloat>
#include <cmath>

#include "render/development.h"
#include "test_support.h"

namespace {

constexpr double kPi = 3.141592653589793;

Vec3 AsVec3(FlatPoint p) { return {p.x, p.y, 0.0}; }

double RadiansOf(int degrees) { return kPi * degrees / 180.0; }

// The unwrapped vertices of the curve, as (a, b) pairs.
std::vector<FlatPoint> CurveVertices(const Development& d)
{
    std::vector<FlatPoint> vertices;
    for (FigurePolyline polyline : d.curve)
        for (uint32_t i = 0; i < polyline.count; ++i)
            vertices.push_back({d.a[polyline.first + i], d.b[polyline.first + i]});
    return vertices;
}

} // namespace

TEST(DevelopmentTest, CylinderByHand)
{
    const Development d = Develop(CurveKind::Helix, 45);
    EXPECT_EQ(d.seam, SeamKind::Shift);
    EXPECT_NEAR(d.period, 30 * kPi, 1e-12);
    EXPECT_NEAR(d.bottom, -70.685835, 1e-6);
    EXPECT_NEAR(d.top, 70.685805, 1e-6);
    ASSERT_EQ(d.wire.size(), 25u);
    // Generatrix k at X = 15·φ_k, from the bottom up.
    EXPECT_NEAR(d.a[d.wire[1].first], 15 * kPi / 12, 1e-5);
    EXPECT_NEAR(d.a[d.wire[24].first], 15 * 6.283184, 1e-6);
    EXPECT_NEAR(d.b[d.wire[1].first], -70.685835, 1e-6);
    // At 45° the helix is the line Y = X, both halves from the origin.
    ASSERT_EQ(d.curve.size(), 2u);
    EXPECT_EQ(d.curve[0].count, 72u);
    for (FlatPoint p : CurveVertices(d))
        EXPECT_NEAR(p.y, p.x, 1e-12 * (1 + std::fabs(p.x)));
    EXPECT_NEAR(d.a[d.curve[0].first + 15], 15.0, 1e-12) << "t = 1";
    EXPECT_NEAR(d.a[d.curve[1].first + 15], -15.0, 1e-12) << "the falling half";
}

TEST(DevelopmentTest, ConeByHand)
{
    const Development d = Develop(CurveKind::ConicalHelix, 60);
    EXPECT_EQ(d.seam, SeamKind::HalfTurn);
    EXPECT_NEAR(d.rim, 99.2, 1e-12) << "twice the rim's 49.6 from the axis";
    ASSERT_EQ(d.wire.size(), 63u);
    const FigurePolyline ruling = d.wire[10];
    ASSERT_EQ(ruling.count, 63u);
    for (uint32_t j = 0; j < ruling.count; ++j) {
        EXPECT_NEAR(d.a[ruling.first + j], 1.6 * j, 1e-12);
        EXPECT_NEAR(d.b[ruling.first + j], 0.5, 1e-12) << "ψ = φ/2 for φ = 1.0";
    }
    // The last vertex of ruling 62 (φ = 6.2) on sheet 0, at ψ = 3.1.
    const SheetPoint rimEnd = OnSheet(d, d.wire[62].first + 62);
    EXPECT_EQ(rimEnd.sheet, 0);
    EXPECT_TRUE(
        AreNear(AsVec3(rimEnd.point), {99.2 * std::cos(3.1), -99.2 * std::sin(3.1), 0}, 1e-9));
    // The curve at 60°: 437 vertices from t = −78.4, s = 8·ρ = 8·e^(t/(2√3)).
    ASSERT_EQ(d.curve.size(), 1u);
    ASSERT_EQ(d.curve[0].count, 437u);
    const uint32_t last = d.curve[0].first + 436;
    EXPECT_NEAR(d.b[d.curve[0].first], -78.4 / 2, 1e-12);
    EXPECT_NEAR(d.b[last], 4.4, 1e-12);
    EXPECT_NEAR(d.a[last], 2 * 50.736, 1e-3) << "past the rim";
    EXPECT_NEAR(d.a[last - 1], 2 * 47.890, 1e-3) << "inside it";
    // ψ = 4.4 lies on sheet 1: turned back by π it is at 4.4 − π.
    const SheetPoint end = OnSheet(d, last);
    EXPECT_EQ(end.sheet, 1);
    const double psi = 4.4 - kPi;
    EXPECT_TRUE(AreNear(AsVec3(end.point),
                        {d.a[last] * std::cos(psi), -d.a[last] * std::sin(psi), 0}, 1e-9));
}

TEST(DevelopmentTest, SphereByHand)
{
    const Development d = Develop(CurveKind::SphericalHelix, 60);
    const double edge = 35 * kPi;
    EXPECT_NEAR(d.left, -edge, 1e-12);
    EXPECT_NEAR(d.period, 2 * edge, 1e-12);
    EXPECT_NEAR(d.top, edge, 1e-12);
    // Two meridians a circle, each from one edge of the square to the other.
    ASSERT_EQ(d.wire.size(), 26u);
    const FigurePolyline climbing = d.wire[2]; // circle 1, at λ + π
    const FigurePolyline descending = d.wire[3];
    EXPECT_NEAR(d.a[climbing.first], 35 * (kPi / 12 + kPi), 1e-4);
    EXPECT_NEAR(d.a[descending.first], 35 * kPi / 12, 1e-4);
    EXPECT_EQ(d.b[climbing.first], -edge);
    EXPECT_EQ(d.b[climbing.first + climbing.count - 1], edge);
    EXPECT_EQ(d.b[descending.first], edge);
    EXPECT_EQ(d.b[descending.first + descending.count - 1], -edge);
    for (uint32_t i = 0; i < climbing.count; ++i)
        EXPECT_EQ(d.a[climbing.first + i], d.a[climbing.first]) << "vertical";
    // θ = 3.1415919999 − 18·Δθ = 0.16534694: Y = −35·ln(tan(θ/2)).
    EXPECT_NEAR(d.b[descending.first + 1], -35 * std::log(std::tan(0.16534694736842068 / 2)), 1e-9);
    EXPECT_NEAR(d.b[descending.first + 1], 87.170109, 1e-6);
    // λ + π of circle 1 lies past π: on sheet 1, back at λ − π.
    const SheetPoint wrapped = OnSheet(d, climbing.first);
    EXPECT_EQ(wrapped.sheet, 1);
    EXPECT_NEAR(wrapped.point.x, 35 * (kPi / 12 - kPi), 1e-4);

    // The curve: every one of the 314 vertices of its loop, the equator at
    // Y = 0. θ = 1.57 lies a hair north of it.
    ASSERT_EQ(d.curve.size(), 1u);
    ASSERT_EQ(d.curve[0].count, 314u);
    const uint32_t nearEquator = d.curve[0].first + 156; // n = 157
    EXPECT_NEAR(d.b[nearEquator], 0.02787144, 1e-8);
    EXPECT_GT(d.b[nearEquator], 0.0);
    EXPECT_LT(d.b[nearEquator + 1], 0.0);
    EXPECT_NEAR(d.b[d.curve[0].first], -35 * std::log(std::tan(0.005)), 1e-9)
        << "θ = 0.01, above the square";
    EXPECT_NEAR(d.a[d.curve[0].first], 35 * 9.1769, 1e-2) << "λ = 9.1769";
}

TEST(DevelopmentTest, NoFigureHasNoDevelopment)
{
    const Development d = Develop(CurveKind::None, 60);
    EXPECT_EQ(d.VertexCount(), 0u);
    EXPECT_TRUE(d.outline.empty());
    EXPECT_EQ(Develop(static_cast<CurveKind>(7), 60).VertexCount(), 0u);
}

TEST(DevelopmentTest, OutlinesAreClosedAndBoxed)
{
    for (CurveKind figure :
         {CurveKind::Helix, CurveKind::ConicalHelix, CurveKind::SphericalHelix}) {
        const Development d = Develop(figure, 60);
        ASSERT_GE(d.outline.size(), 5u);
        EXPECT_TRUE(AreNear(AsVec3(d.outline.front()), AsVec3(d.outline.back()), 0.0));
        for (FlatPoint p : d.outline) {
            EXPECT_GE(p.x, d.box.left - 1e-12);
            EXPECT_LE(p.x, d.box.right + 1e-12);
            EXPECT_GE(p.y, d.box.bottom - 1e-12);
            EXPECT_LE(p.y, d.box.top + 1e-12);
        }
    }
    const Development cone = Develop(CurveKind::ConicalHelix, 60);
    for (size_t i = 2; i + 2 < cone.outline.size(); ++i)
        EXPECT_NEAR(std::hypot(cone.outline[i].x, cone.outline[i].y), 99.2, 1e-9) << "the rim arc";
}

// On sheet m the helix's line X = Y·tan α is shifted by −m·30π, and the
// loxodrome's X = Y·tan α by −m·70π; the spiral's ln s − ψ·cot α turns by
// −m·π·cot α. Every chord between two vertices on one sheet meets the
// vertical generatrices and meridians at α, and the rays from the apex as
// the logarithmic spiral of angle α does.
TEST(DevelopmentTest, CurvesAreStraightLinesAndSpiralsAtTheirAngle)
{
    for (int angle = 2; angle <= 89; ++angle) {
        const double alpha = RadiansOf(angle);
        const double cot = 1 / std::tan(alpha);
        for (CurveKind figure : {CurveKind::Helix, CurveKind::SphericalHelix}) {
            const Development d = Develop(figure, angle);
            for (FigurePolyline polyline : d.curve)
                for (uint32_t i = 0; i < polyline.count; ++i) {
                    const SheetPoint p = OnSheet(d, polyline.first + i);
                    const double x = p.point.x + double(p.sheet) * d.period;
                    ASSERT_NEAR(x * cot, p.point.y, 1e-9 * (1 + std::fabs(p.point.y)))
                        << int(figure) << " at " << angle << "°, vertex " << i;
                    if (i == 0)
                        continue;
                    const SheetPoint q = OnSheet(d, polyline.first + i - 1);
                    const double dx = std::fabs(p.point.x - q.point.x);
                    const double dy = std::fabs(p.point.y - q.point.y);
                    if (p.sheet == q.sheet && dy > 1e-6) {
                        ASSERT_NEAR(std::atan2(dx, dy), alpha, 1e-7) << int(figure) << angle;
                    }
                }
        }

        const Development cone = Develop(CurveKind::ConicalHelix, angle);
        const FigurePolyline curve = cone.curve.at(0);
        for (uint32_t i = 0; i < curve.count; ++i) {
            const SheetPoint p = OnSheet(cone, curve.first + i);
            const double s = std::hypot(p.point.x, p.point.y);
            if (s < 8 * DBL_MIN)
                continue; // at the apex: ρ underflowed to zero, or to a subnormal
            const double psi = std::atan2(-p.point.y, p.point.x);
            ASSERT_GE(psi, -1e-12);
            ASSERT_LE(psi, kPi + 1e-12);
            ASSERT_NEAR(std::log(s) - psi * cot, std::log(8.0) + double(p.sheet) * kPi * cot,
                        1e-8 * (1 + cot))
                << angle << "°, vertex " << i;
            if (i == 0)
                continue;
            const SheetPoint q = OnSheet(cone, curve.first + i - 1);
            const double sq = std::hypot(q.point.x, q.point.y);
            if (q.sheet != p.sheet || sq < 1e-6)
                continue;
            // The chord across half its angle h = 0.05 about the ray between its ends.
            const double h = 0.05;
            const double mid = (psi + std::atan2(-q.point.y, q.point.x)) / 2;
            const double dx = p.point.x - q.point.x, dy = p.point.y - q.point.y;
            const double along = std::fabs(dx * std::cos(mid) - dy * std::sin(mid));
            const double chordAngle = std::acos(along / std::hypot(dx, dy));
            ASSERT_NEAR(chordAngle, std::atan(std::tan(h) / std::tanh(h * cot)), 1e-7)
                << angle << "°, chord " << i;
        }
    }
}

TEST(DevelopmentTest, SheetsCarryVerticesBackOntoTheOutline)
{
    const Development helix = Develop(CurveKind::Helix, 60);
    const FigurePolyline rising = helix.curve[0];
    const FigurePolyline falling = helix.curve[1];
    // t = 8.2 at the rising half's end: X = 123 is past 30π, on sheet 1.
    const SheetPoint end = OnSheet(helix, rising.first + rising.count - 1);
    EXPECT_EQ(end.sheet, 1);
    EXPECT_NEAR(end.point.x, 123 - 30 * kPi, 1e-9);
    // The falling half leaves X = 0 leftwards, onto sheet −1 by the right edge.
    const SheetPoint next = OnSheet(helix, falling.first + 1);
    EXPECT_EQ(next.sheet, -1);
    EXPECT_NEAR(next.point.x, 30 * kPi - 1, 1e-9);
    EXPECT_EQ(OnSheet(helix, falling.first).sheet, 0);
}
