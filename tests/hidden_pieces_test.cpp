// SPDX-License-Identifier: MIT
#include <cmath>

#include "render/drawn_surfaces.h"
#include "render/hidden_pieces.h"
#include "render/tracers.h"
#include "test_support.h"

namespace {

constexpr CurveKind kFigures[] = {CurveKind::Helix, CurveKind::ConicalHelix,
                                  CurveKind::SphericalHelix};

// Eyes near and far, above the apex, inside each surface. (An eye on a
// surface sees the points beside it at grazing angles, where visibility
// flips back and forth with the last bits: HiddenFigureTest draws those.)
constexpr Vec3 kEyes[] = {{300.0, 0.0, 0.0}, {40.0, 10.0, 30.0}, {0.0, 0.0, 200.0},
                          {0.0, 0.0, 120.0}, {5.0, 3.0, -20.0},  {-60.0, 80.0, -120.0},
                          {1e9, -2e9, 5e8}};

struct Split {
    HiddenPieces pieces;
    size_t cuts = 0;
};

// Splits every polyline of the model, each checked as it comes: its pieces
// join, each vertex has its piece's visibility, and each cut lies within
// the bisection's bound of a change of visibility along the course.
Split SplitAndCheck(const FigureModel& model, const std::vector<FigurePolyline>& polylines,
                    const PolylineCourse& course, const SplitViewpoint& viewpoint)
{
    Split split;
    for (FigurePolyline polyline : polylines) {
        std::vector<PolylinePiece> pieces;
        SplitPolyline(viewpoint, course, model, polyline, polyline.count, split.pieces, pieces);
        EXPECT_EQ(split.pieces.PointCount(), size_t(pieces.back().first + pieces.back().count));
        uint32_t vertex = 0; // of the polyline, the next to meet
        for (size_t k = 0; k < pieces.size(); ++k) {
            const PolylinePiece& piece = pieces[k];
            const bool cutAtStart = k > 0;
            const bool cutAtEnd = k + 1 < pieces.size();
            for (uint32_t i = cutAtStart; i + cutAtEnd < piece.count; ++i, ++vertex) {
                const Vec3 p = split.pieces.Point(piece.first + i);
                EXPECT_TRUE(AreNear(p, model.Vertex(polyline.first + vertex), 0.0));
                EXPECT_EQ(HiddenOn(viewpoint.surface, p, viewpoint.eye), piece.hidden);
            }
            if (!cutAtEnd)
                continue;
            ++split.cuts;
            EXPECT_NE(piece.hidden, pieces[k + 1].hidden);
            const Vec3 cut = split.pieces.Point(piece.first + piece.count - 1);
            EXPECT_TRUE(AreNear(split.pieces.Point(pieces[k + 1].first), cut, 0.0));
            // The cut lies on the chord from the last vertex before it.
            const Vec3 a = model.Vertex(polyline.first + vertex - 1);
            const Vec3 b = model.Vertex(polyline.first + vertex);
            const double f = Length(Subtract(cut, a)) / Length(Subtract(b, a));
            EXPECT_TRUE(AreNear(ChordPoint(a, b, f), cut, 1e-9));
            // Within the bound on either side, each piece's visibility; the
            // vertex itself where the bound reaches past it. The fraction is
            // read back from the cut's coordinates, good to their rounding
            // over the chord's length: near the cone's apex at the lowest
            // angles the chords shrink to 1e-300 and less, which no fraction
            // read so can resolve, and those chords are left out.
            if (Length(Subtract(b, a)) < 1e-3)
                continue;
            const double bound = 1e-9;
            auto hiddenAt = [&](double at) {
                const Vec3 p = at <= 0.0 ? a : at >= 1.0 ? b : PointBetween(course, a, b, at);
                return HiddenOn(viewpoint.surface, p, viewpoint.eye);
            };
            EXPECT_EQ(hiddenAt(f - bound), piece.hidden);
            EXPECT_EQ(hiddenAt(f + bound), pieces[k + 1].hidden);
        }
        EXPECT_EQ(vertex, polyline.count);
    }
    return split;
}

} // namespace

TEST(HiddenPiecesTest, PiecesEndWhereVisibilityChanges)
{
    size_t cuts = 0;
    for (const CurveKind figure : kFigures)
        for (const int angle : {2, 60, 89})
            for (const Vec3 eye : kEyes) {
                SCOPED_TRACE(testing::Message()
                             << "figure " << int(figure) << ", angle " << angle << ", eye " << eye.x
                             << "," << eye.y << "," << eye.z);
                const FigureModel model = BuilderOf(figure)(angle);
                const SplitViewpoint viewpoint{DrawnSurfaceOf(figure, model), eye};
                cuts += SplitAndCheck(model, model.wire, WireCourse(figure), viewpoint).cuts;
                cuts +=
                    SplitAndCheck(model, model.curve, CurveCourse(figure, angle), viewpoint).cuts;
                if (::testing::Test::HasFailure())
                    return;
            }
    EXPECT_GT(cuts, 1000u);
}

// From the default eye the helix at 60° passes behind the cylinder and out
// again on every turn; seen from inside, nothing is hidden and nothing cut.
TEST(HiddenPiecesTest, HelixFromTheDefaultEyeAndFromInside)
{
    const FigureModel model = HelixModel(60);
    const DrawnSurface surface = DrawnSurfaceOf(CurveKind::Helix, model);
    const PolylineCourse course = CurveCourse(CurveKind::Helix, 60);
    HiddenPieces split;
    std::vector<PolylinePiece> pieces;
    SplitPolyline({surface, {300.0, 0.0, 0.0}}, course, model, model.curve[0], model.curve[0].count,
                  split, pieces);
    ASSERT_GE(pieces.size(), 3u);
    EXPECT_FALSE(pieces[0].hidden); // from (15, 0, 0), facing the eye
    EXPECT_TRUE(pieces[1].hidden);
    split.Clear();
    pieces.clear();
    SplitPolyline({surface, {2.0, 1.0, 0.0}}, course, model, model.curve[0], model.curve[0].count,
                  split, pieces);
    ASSERT_EQ(pieces.size(), 1u);
    EXPECT_FALSE(pieces[0].hidden);
}

TEST(HiddenPiecesTest, ADegenerateChordIsOnePiece)
{
    FigureModel model;
    model.BeginCurve();
    model.AddCurve({-15.0, 0.0, 0.0});
    model.AddCurve({-15.0, 0.0, 0.0});
    const DrawnSurface surface = DrawnSurfaceOf(CurveKind::Helix, HelixModel(60));
    HiddenPieces split;
    std::vector<PolylinePiece> pieces;
    SplitPolyline({surface, {300.0, 0.0, 0.0}}, CurveCourse(CurveKind::Helix, 60), model,
                  model.curve[0], 2, split, pieces);
    ASSERT_EQ(pieces.size(), 1u);
    EXPECT_EQ(pieces[0].count, 2u);
    EXPECT_TRUE(pieces[0].hidden);
}

// Whatever the eye, the bisection ends in its fixed number of halvings
// with a fraction of the chord.
TEST(HiddenPiecesTest, ChangeIsAFractionOfTheChordForAnyEye)
{
    const FigureModel model = SphericalHelixModel(60);
    const DrawnSurface surface = DrawnSurfaceOf(CurveKind::SphericalHelix, model);
    const PolylineCourse course = CurveCourse(CurveKind::SphericalHelix, 60);
    const double nan = std::nan("");
    for (const Vec3 eye : {Vec3{nan, 0.0, 0.0}, Vec3{1e150, 1e150, 1e150}, Vec3{35.0, 0.0, 0.0},
                           Vec3{0.0, 0.0, 0.0}}) {
        const double f = VisibilityChange({surface, eye}, course, model.Vertex(0), model.Vertex(1));
        EXPECT_GE(f, 0.0);
        EXPECT_LE(f, 1.0);
    }
}
