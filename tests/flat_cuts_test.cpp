// SPDX-License-Identifier: MIT
// The seam and outline cuts on small developments worked out by hand, then
// on the figures' own: every cut point is the chord's exact intersection
// with the seam or the outline, and lies on its chord.
#include <cmath>
#include <limits>

#include "render/flat_cuts.h"
#include "test_support.h"

namespace {

constexpr double kPi = 3.141592653589793;
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

Vec3 AsVec3(FlatPoint p) { return {p.x, p.y, 0.0}; }

// Sheets 10 wide from X = 0, the outline the band 0 ≤ Y ≤ 10.
Development Strip()
{
    Development d;
    d.seam = SeamKind::Shift;
    d.left = 0.0;
    d.period = 10.0;
    d.bottom = 0.0;
    d.top = 10.0;
    d.box = {0.0, 0.0, 10.0, 10.0};
    return d;
}

// The half disc of slant 10 below the apex.
Development HalfDisc()
{
    Development d;
    d.seam = SeamKind::HalfTurn;
    d.rim = 10.0;
    d.box = {-10.0, -10.0, 10.0, 0.0};
    return d;
}

void AddCurve(Development& d, std::initializer_list<FlatPoint> vertices)
{
    d.curve.push_back({uint32_t(d.VertexCount()), uint32_t(vertices.size())});
    for (FlatPoint v : vertices) {
        d.a.push_back(v.x);
        d.b.push_back(v.y);
    }
}

std::vector<std::vector<FlatPoint>> Pieces(const FlatPaths& paths)
{
    std::vector<std::vector<FlatPoint>> pieces;
    for (const FlatPiece& piece : paths.pieces) {
        pieces.emplace_back();
        for (uint32_t i = 0; i < piece.count; ++i)
            pieces.back().push_back(paths.Point(piece.first + i));
    }
    return pieces;
}

::testing::AssertionResult SamePieces(const std::vector<std::vector<FlatPoint>>& actual,
                                      const std::vector<std::vector<FlatPoint>>& expected)
{
    if (actual.size() != expected.size())
        return ::testing::AssertionFailure() << actual.size() << " pieces, not " << expected.size();
    for (size_t i = 0; i < actual.size(); ++i) {
        if (actual[i].size() != expected[i].size())
            return ::testing::AssertionFailure()
                   << "piece " << i << " has " << actual[i].size() << " points";
        for (size_t j = 0; j < actual[i].size(); ++j) {
            ::testing::AssertionResult near =
                AreNear(AsVec3(actual[i][j]), AsVec3(expected[i][j]), 1e-12);
            if (!near)
                return near << " (piece " << i << ", point " << j << ")";
        }
    }
    return ::testing::AssertionSuccess();
}

// The point of a half-disc vertex (s, ψ) on the sheet ψ lies on.
FlatPoint OnDisc(double s, double psi)
{
    const double turned = psi - std::floor(psi / kPi) * kPi;
    return {s * std::cos(turned), -s * std::sin(turned)};
}

} // namespace

TEST(FlatCutsTest, SeamCutsAChordAndTheRestComesInAtTheOtherEdge)
{
    Development d = Strip();
    AddCurve(d, {{8, 1}, {12, 3}, {13, 4}});
    EXPECT_TRUE(
        SamePieces(Pieces(CutDevelopment(d)), {{{8, 1}, {10, 2}}, {{0, 2}, {2, 3}, {3, 4}}}));

    Development back = Strip();
    AddCurve(back, {{1, 1}, {-1, 3}});
    EXPECT_TRUE(SamePieces(Pieces(CutDevelopment(back)), {{{1, 1}, {0, 2}}, {{10, 2}, {9, 3}}}))
        << "leftwards the rest comes in at the right edge";
}

TEST(FlatCutsTest, OutlineCutsAChordAndNothingOutsideIsDrawn)
{
    Development d = Strip();
    // Out at the top halfway along the second chord, back in along the fourth.
    AddCurve(d, {{4, 6}, {5, 8}, {7, 12}, {8, 14}, {9, 9}});
    EXPECT_TRUE(
        SamePieces(Pieces(CutDevelopment(d)), {{{4, 6}, {5, 8}, {6, 10}}, {{8.8, 10}, {9, 9}}}));

    Development through = Strip();
    AddCurve(through, {{1, -5}, {3, 15}});
    EXPECT_TRUE(SamePieces(Pieces(CutDevelopment(through)), {{{1.5, 0}, {2.5, 10}}}))
        << "a chord through the band from below to above";

    Development outside = Strip();
    AddCurve(outside, {{1, 11}, {5, 20}, {7, -2}, {9, -1}});
    EXPECT_TRUE(SamePieces(Pieces(CutDevelopment(outside)),
                           {{{5 + 2 * 10.0 / 22, 10}, {5 + 2 * 20.0 / 22, 0}}}))
        << "the chord from above to below crosses the whole band";
}

TEST(FlatCutsTest, AChordCrossingTheSeamAndTheOutlineAtOnce)
{
    // From (8, 6) to (14, 12): the seam X = 10 at a third, Y = 8; the top
    // Y = 10 at two thirds, X = 12 on the next sheet.
    Development d = Strip();
    AddCurve(d, {{8, 6}, {14, 12}});
    EXPECT_TRUE(SamePieces(Pieces(CutDevelopment(d)), {{{8, 6}, {10, 8}}, {{0, 8}, {2, 10}}}));

    // Out at the top before the seam: nothing on the next sheet.
    Development early = Strip();
    AddCurve(early, {{4, 7}, {13, 13}});
    EXPECT_TRUE(SamePieces(Pieces(CutDevelopment(early)), {{{4, 7}, {8.5, 10}}}));

    // In from below on one sheet, across two seams, out at the top.
    Development wide = Strip();
    AddCurve(wide, {{5, -1}, {29, 11}});
    EXPECT_TRUE(SamePieces(Pieces(CutDevelopment(wide)),
                           {{{7, 0}, {10, 1.5}}, {{0, 1.5}, {10, 6.5}}, {{0, 6.5}, {7, 10}}}));
}

TEST(FlatCutsTest, HalfTurnSeamAndRim)
{
    // From s = 5 at ψ = 3.0 to s = 12 at ψ = 3.3: across the edge ray ψ = π,
    // then out through the rim. On the first sheet the far end lies at
    // 3.3 − 2π, above the axis; the chord meets Y = 0 and then the circle.
    Development d = HalfDisc();
    AddCurve(d, {{5, 3.0}, {12, 3.3}});
    const FlatPoint a = OnDisc(5, 3.0);
    const FlatPoint b{12 * std::cos(3.3), -12 * std::sin(3.3)};
    const double seamT = a.y / (a.y - b.y);
    const FlatPoint seam{a.x + seamT * (b.x - a.x), 0.0};
    // |a + τ(b − a)| = 10, solved by hand for the root in [0, 1].
    const double A = (b.x - a.x) * (b.x - a.x) + (b.y - a.y) * (b.y - a.y);
    const double B = a.x * (b.x - a.x) + a.y * (b.y - a.y);
    const double C = a.x * a.x + a.y * a.y - 100;
    const double rimT = (-B + std::sqrt(B * B - A * C)) / A;
    ASSERT_LT(seamT, rimT);
    const FlatPoint rim{a.x + rimT * (b.x - a.x), a.y + rimT * (b.y - a.y)};
    const auto pieces = Pieces(CutDevelopment(d));
    EXPECT_TRUE(SamePieces(pieces, {{a, seam}, {{-seam.x, 0}, {-rim.x, -rim.y}}}));
    ASSERT_EQ(pieces.size(), 2u);
    EXPECT_NEAR(std::hypot(pieces[1][1].x, pieces[1][1].y), 10.0, 1e-12) << "on the rim";
    EXPECT_LT(seam.x, 0.0) << "out by the edge ψ = π";
    EXPECT_GT(pieces[1][0].x, 0.0) << "back in by the edge ψ = 0";
}

TEST(FlatCutsTest, HalfTurnLeavingBeforeTheSeamAndTurningTooFar)
{
    Development d = HalfDisc();
    AddCurve(d, {{9, 3.0}, {15, 3.2}});
    const auto pieces = Pieces(CutDevelopment(d));
    ASSERT_EQ(pieces.size(), 1u) << "out through the rim before the seam";
    EXPECT_TRUE(AreNear(AsVec3(pieces[0][0]), AsVec3(OnDisc(9, 3.0)), 1e-12));
    EXPECT_NEAR(std::hypot(pieces[0][1].x, pieces[0][1].y), 10.0, 1e-12);
    EXPECT_LE(pieces[0][1].y, 0.0);

    Development far = HalfDisc();
    AddCurve(far, {{5, 0.5}, {5, 0.5 + kPi}, {6, 0.6 + kPi}});
    const auto farPieces = Pieces(CutDevelopment(far));
    ASSERT_EQ(farPieces.size(), 1u) << "half a turn at once has no chord";
    EXPECT_TRUE(AreNear(AsVec3(farPieces[0][0]), AsVec3(OnDisc(5, 0.5 + kPi)), 1e-12));
}

TEST(FlatCutsTest, VerticesNotFiniteOrOutOfReachBreakTheirPolyline)
{
    Development d = Strip();
    AddCurve(d, {{1, 1}, {2, 2}, {kNaN, 3}, {4, 4}, {5, 5}, {6, 6e7}, {7, 7}, {8, 8}});
    EXPECT_TRUE(SamePieces(Pieces(CutDevelopment(d)),
                           {{{1, 1}, {2, 2}}, {{4, 4}, {5, 5}}, {{7, 7}, {8, 8}}}));

    Development infinite = HalfDisc();
    AddCurve(infinite, {{1, 1},
                        {2, 1.1},
                        {std::numeric_limits<double>::infinity(), 1.2},
                        {3, 1.3},
                        {4, 1.4},
                        {5, 1e30}});
    EXPECT_TRUE(SamePieces(Pieces(CutDevelopment(infinite)),
                           {{OnDisc(1, 1), OnDisc(2, 1.1)}, {OnDisc(3, 1.3), OnDisc(4, 1.4)}}));
}

TEST(FlatCutsTest, PiecesThatDrawNothingAreLeftOut)
{
    // Starting on the seam and leaving it leftwards: no piece of no length
    // is left on the first sheet. One vertex alone draws nothing either.
    Development d = Strip();
    AddCurve(d, {{0, 5}, {-1, 6}});
    AddCurve(d, {{3, 3}});
    AddCurve(d, {{4, 4}, {4, 4}});
    EXPECT_TRUE(SamePieces(Pieces(CutDevelopment(d)), {{{10, 5}, {9, 6}}}));
}

TEST(FlatCutsTest, OutlineComesFirstAsItIs)
{
    Development d = Strip();
    d.outline = {{0, 0}, {10, 0}, {10, 10}, {0, 10}, {0, 0}};
    d.wire.push_back({0, 2});
    d.a = {3, 3};
    d.b = {-5, 15};
    const FlatPaths paths = CutDevelopment(d);
    ASSERT_EQ(paths.pieces.size(), 2u);
    EXPECT_EQ(paths.pieces[0].what, FlatClass::Outline);
    EXPECT_EQ(paths.pieces[0].count, 5u);
    EXPECT_EQ(paths.pieces[1].what, FlatClass::Wire);
    EXPECT_TRUE(SamePieces(Pieces(paths), {d.outline, {{3, 0}, {3, 10}}}));
}

// The figures' own pieces at every angle the snapshot tool takes, 0 and 1
// included where the helices' curves are not finite: every point inside the
// outline, and a curve wherever one can be drawn.
TEST(FlatCutsTest, FiguresCutInsideTheirOutlines)
{
    for (CurveKind figure : {CurveKind::Helix, CurveKind::ConicalHelix, CurveKind::SphericalHelix})
        for (int angle = 0; angle <= 89; ++angle) {
            const Development d = Develop(figure, angle);
            const FlatPaths paths = CutDevelopment(d);
            size_t curvePieces = 0;
            for (const FlatPiece& piece : paths.pieces) {
                ASSERT_GE(piece.count, 2u);
                curvePieces += piece.what == FlatClass::Curve;
                for (uint32_t i = 0; i < piece.count; ++i) {
                    const FlatPoint p = paths.Point(piece.first + i);
                    ASSERT_GE(p.x, d.box.left - 1e-9) << int(figure) << " " << angle;
                    ASSERT_LE(p.x, d.box.right + 1e-9) << int(figure) << " " << angle;
                    ASSERT_GE(p.y, d.box.bottom - 1e-9) << int(figure) << " " << angle;
                    ASSERT_LE(p.y, d.box.top + 1e-9) << int(figure) << " " << angle;
                    if (d.seam == SeamKind::HalfTurn) {
                        ASSERT_LE(std::hypot(p.x, p.y), d.rim + 1e-9);
                    }
                }
            }
            if (angle > 0 || figure == CurveKind::SphericalHelix) {
                EXPECT_GE(curvePieces, 1u) << int(figure) << " " << angle;
            }
        }
}

TEST(FlatCutsTest, CutPointsLieOnTheirChordsNotOnTheCurve)
{
    // The helix at 60°: its rising half leaves sheet 0 at X = 30π between
    // t = 94/15 and t = 95/15, then the top between t = 122/15 and 123/15.
    const Development d = Develop(CurveKind::Helix, 60);
    const FlatPaths paths = CutDevelopment(d);
    std::vector<FlatPiece> curve;
    for (const FlatPiece& piece : paths.pieces)
        if (piece.what == FlatClass::Curve)
            curve.push_back(piece);
    ASSERT_EQ(curve.size(), 4u) << "each half: one sheet, then the next up to the end";
    const FlatPoint seamEnd = paths.Point(curve[0].first + curve[0].count - 1);
    const FlatPoint seamStart = paths.Point(curve[1].first);
    const double pi = std::acos(-1.0);
    EXPECT_EQ(seamEnd.x, 30 * pi);
    EXPECT_EQ(seamStart.x, 0.0);
    EXPECT_EQ(seamEnd.y, seamStart.y);
    // On the chord between vertices 94 and 95 of the rising half.
    const uint32_t v = d.curve[0].first + 94;
    const double t = (30 * pi - d.a[v]) / (d.a[v + 1] - d.a[v]);
    EXPECT_NEAR(seamEnd.y, d.b[v] + t * (d.b[v + 1] - d.b[v]), 1e-12);
    const FlatPoint top = paths.Point(curve[1].first + curve[1].count - 1);
    EXPECT_EQ(top.y, d.top);
    const uint32_t w = d.curve[0].first + 122;
    const double u = (d.top - d.b[w]) / (d.b[w + 1] - d.b[w]);
    EXPECT_NEAR(top.x + 30 * pi, d.a[w] + u * (d.a[w + 1] - d.a[w]), 1e-9);
    EXPECT_EQ(curve[1].count, 123u - 94u + 1u) << "seam cut, vertices 95 to 122, top cut";
}
