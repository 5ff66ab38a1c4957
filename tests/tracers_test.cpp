// SPDX-License-Identifier: MIT
// Vertex counts and end points of the three figures, read from the canvas
// operations a redraw makes.
#include <cmath>
#include <string>
#include <vector>

#include "render/draw_figure.h"
#include "render/recording_canvas.h"
#include "test_support.h"

namespace {

// The canvas operations of one redraw of the view, through `figures`.
std::vector<CanvasOp> ComposedOps(const ViewState& view, FigureCache& figures)
{
    RecordingCanvas canvas;
    ComposeFigure(canvas, figures, Framed(view));
    return canvas.Ops();
}

std::vector<CanvasOp> ComposedOps(const ViewState& view)
{
    FigureCache figures;
    return ComposedOps(view, figures);
}

// The view a curve button leaves, with the eye moved.
ViewState EyeAt(CurveKind figure, Vec3 eye)
{
    ViewState view = DefaultView(figure);
    view.eye = eye;
    return view;
}

// One polyline: the pixels of its LineTo calls, in order, after its MoveTo.
struct Polyline {
    Pixel start;
    std::vector<Pixel> vertices;
};

// The polylines drawn with one pen in one redraw of the default view.
std::vector<Polyline> PolylinesOf(CurveKind figure, int angleDeg, const std::string& pen)
{
    std::vector<Polyline> polylines;
    std::string current;
    for (const CanvasOp& op : ComposedOps(DefaultView(figure, angleDeg))) {
        if (op.kind == CanvasOp::Kind::Pen)
            current = op.pen;
        if (current != pen)
            continue;
        if (op.kind == CanvasOp::Kind::Move)
            polylines.push_back({{op.a, op.b}, {}});
        if (op.kind == CanvasOp::Kind::Line)
            polylines.back().vertices.push_back({op.a, op.b});
    }
    return polylines;
}

std::vector<size_t> Sizes(const std::vector<Polyline>& polylines)
{
    std::vector<size_t> sizes;
    for (const Polyline& p : polylines)
        sizes.push_back(p.vertices.size());
    return sizes;
}

// The pixel of a model point in the default view.
Pixel DefaultPixel(Vec3 p) { return PixelOf(Framed(DefaultView(CurveKind::None)), p); }

// Points on or next to the z axis project a hair to either side of the
// centre column; truncation then gives column 249 or 250.
::testing::AssertionResult WithinOnePixel(Pixel actual, Pixel expected)
{
    if (std::abs(actual.x - expected.x) <= 1 && std::abs(actual.y - expected.y) <= 1)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << actual << " is not within a pixel of " << expected;
}

void ExpectWireframe(CurveKind figure, size_t polylines, size_t vertices)
{
    const auto wire = PolylinesOf(figure, 60, "wire");
    ASSERT_EQ(wire.size(), polylines);
    for (const Polyline& p : wire) {
        ASSERT_EQ(p.vertices.size(), vertices);
        EXPECT_EQ(p.vertices.front(), p.start) << "the first LineTo goes to the current position";
    }
}

} // namespace

class HelixTest : public ::testing::Test {};

TEST_F(HelixTest, WireframeIs25GeneratricesOf58Vertices)
{
    ExpectWireframe(CurveKind::Helix, 25, 58);
    const auto wire = PolylinesOf(CurveKind::Helix, 60, "wire");
    EXPECT_EQ(wire.front().start, DefaultPixel({15, 0, -70.685835}));
    EXPECT_EQ(wire.front().vertices.back(), DefaultPixel({15, 0, 70.685805}));
}

TEST_F(HelixTest, VerticesPerHalfFollowTheAngle)
{
    for (auto [angle, count] : {std::pair{2, 4}, {45, 72}, {60, 124}, {89, 4051}}) {
        const auto curve = PolylinesOf(CurveKind::Helix, angle, "curve");
        EXPECT_EQ(Sizes(curve), (std::vector<size_t>{size_t(count), size_t(count)})) << angle;
    }
}

TEST_F(HelixTest, HalvesStartTogetherAndEndPastTheBound)
{
    const auto curve = PolylinesOf(CurveKind::Helix, 60, "curve");
    ASSERT_EQ(curve.size(), 2u);
    EXPECT_EQ(curve[0].start, DefaultPixel({15, 0, 0}));
    EXPECT_EQ(curve[1].start, DefaultPixel({15, 0, 0}));
    const double t = 8.2;
    EXPECT_EQ(curve[0].vertices.back(),
              DefaultPixel({15 * std::cos(t), 15 * std::sin(t), 71.014083}));
    EXPECT_EQ(curve[1].vertices.back(),
              DefaultPixel({15 * std::cos(t), -15 * std::sin(t), -71.014083}));
    // Leaving (15, 0, 0), the rising half heads to +y (right in the picture) and up.
    EXPECT_GT(curve[0].vertices[5].x, curve[0].start.x);
    EXPECT_LT(curve[0].vertices[5].y, curve[0].start.y);
    EXPECT_LT(curve[1].vertices[5].x, curve[1].start.x);
}

TEST_F(HelixTest, CurveEndsWithTheCurvePen)
{
    int pens = 0;
    const char* last = nullptr;
    for (const CanvasOp& op : ComposedOps(DefaultView(CurveKind::Helix)))
        if (op.kind == CanvasOp::Kind::Pen) {
            ++pens;
            last = op.pen;
        }
    EXPECT_EQ(pens, 4) << "border, curve, wire, curve";
    EXPECT_STREQ(last, "curve");
}

class ConicalHelixTest : public ::testing::Test {};

TEST_F(ConicalHelixTest, WireframeIs63RulingsFromTheApex)
{
    ExpectWireframe(CurveKind::ConicalHelix, 63, 63);
    const Pixel apex = DefaultPixel({0, 0, 50});
    const auto wire = PolylinesOf(CurveKind::ConicalHelix, 60, "wire");
    for (const Polyline& p : wire)
        EXPECT_EQ(p.start, apex);
    EXPECT_EQ(wire.front().vertices.back(), DefaultPixel({49.6, 0, -35.909720}));
}

TEST_F(ConicalHelixTest, VertexCountFollowsTheAngle)
{
    for (auto [angle, count] : {std::pair{2, 394}, {45, 419}, {60, 437}, {89, 1836}}) {
        const auto curve = PolylinesOf(CurveKind::ConicalHelix, angle, "curve");
        EXPECT_EQ(Sizes(curve), std::vector<size_t>{size_t(count)}) << angle;
    }
}

TEST_F(ConicalHelixTest, CurveRunsFromTheApexToPastTheRim)
{
    const auto curve = PolylinesOf(CurveKind::ConicalHelix, 60, "curve");
    ASSERT_EQ(curve.size(), 1u);
    EXPECT_TRUE(WithinOnePixel(curve[0].start, DefaultPixel({0, 0, 50})));
    const double t = 8.8, axis = 50.736;
    EXPECT_EQ(curve[0].vertices.back(),
              DefaultPixel({axis * std::cos(t), axis * std::sin(t), 50 - axis * std::sqrt(3.0)}));
}

class SphericalHelixTest : public ::testing::Test {};

TEST_F(SphericalHelixTest, WireframeIs13GreatCirclesOf39Vertices)
{
    ExpectWireframe(CurveKind::SphericalHelix, 13, 39);
    const auto wire = PolylinesOf(CurveKind::SphericalHelix, 60, "wire");
    for (const Polyline& p : wire) {
        EXPECT_TRUE(WithinOnePixel(p.start, DefaultPixel({0, 0, -35})));
        EXPECT_TRUE(WithinOnePixel(p.vertices[19], DefaultPixel({0, 0, 35})))
            << "passes the north pole at vertex 20";
    }
}

TEST_F(SphericalHelixTest, WholeCurveInsideTheDefaultPicture)
{
    for (int angle : {0, 45, 60, 89}) {
        const auto curve = PolylinesOf(CurveKind::SphericalHelix, angle, "curve");
        EXPECT_EQ(Sizes(curve), std::vector<size_t>{314}) << angle;
    }
}

TEST_F(SphericalHelixTest, AngleZeroIsAHalfMeridian)
{
    const auto curve = PolylinesOf(CurveKind::SphericalHelix, 0, "curve");
    ASSERT_EQ(curve.size(), 1u);
    EXPECT_EQ(curve[0].start, DefaultPixel({0.34999417, 0, 34.998250}));
    EXPECT_EQ(curve[0].vertices.back(), DefaultPixel({0.05574285, 0, -34.999956}));
    for (const Pixel& p : curve[0].vertices)
        EXPECT_EQ(p.x, 250) << "y = 0 for every vertex";
}

TEST_F(SphericalHelixTest, CurveStopsAtTheFirstVertexOutsideThePicture)
{
    // From 141 units the sphere's outline just overflows the picture while
    // the start next to the north pole is still inside: the curve is cut with
    // one line leaving the square.
    std::vector<Pixel> curve;
    bool inCurve = false;
    int pens = 0;
    for (const CanvasOp& op : ComposedOps(EyeAt(CurveKind::SphericalHelix, {141, 0, 0}))) {
        pens += op.kind == CanvasOp::Kind::Pen;
        inCurve = pens == 4;
        if (inCurve && op.kind == CanvasOp::Kind::Line)
            curve.push_back({op.a, op.b});
    }
    ASSERT_GT(curve.size(), 1u);
    ASSERT_LT(curve.size(), 314u);
    const Pixel last = curve.back();
    EXPECT_TRUE(last.x <= 0 || last.x >= 500 || last.y <= 0 || last.y >= 500) << last;
    for (size_t i = 0; i + 1 < curve.size(); ++i)
        EXPECT_TRUE(curve[i].x >= 0 && curve[i].x <= 500 && curve[i].y >= 0 && curve[i].y <= 500)
            << i;
}

TEST_F(SphericalHelixTest, FirstVertexOutsideLeavesOnlyTheStart)
{
    // The north pole projects above the picture.
    const std::vector<CanvasOp> ops = ComposedOps(EyeAt(CurveKind::SphericalHelix, {80, 0, 0}));
    ASSERT_GE(ops.size(), 3u);
    const CanvasOp& move = ops[ops.size() - 2];
    const CanvasOp& line = ops.back();
    ASSERT_EQ(move.kind, CanvasOp::Kind::Move);
    ASSERT_EQ(line.kind, CanvasOp::Kind::Line);
    EXPECT_EQ(line.a, move.a);
    EXPECT_EQ(line.b, move.b);
    EXPECT_LT(line.b, 0);
}

TEST_F(SphericalHelixTest, NotANumberProjectionEndsTheCurve)
{
    // An eye inside the sphere: vertices meet the eye's own plane and may not
    // project to finite points; the curve still ends and nothing is left unbounded.
    EXPECT_LT(ComposedOps(EyeAt(CurveKind::SphericalHelix, {20, 0, 0})).size(), 2000u);
}

namespace {

// The operations of one redraw of the view through `figures`, as text.
std::vector<std::string> Redraw(const ViewState& view, FigureCache& figures)
{
    std::vector<std::string> ops;
    for (const CanvasOp& op : ComposedOps(view, figures))
        ops.push_back(FormatOp(op));
    return ops;
}

} // namespace

TEST(FigureCacheTest, RedrawsFollowTheAngleAndTheFigure)
{
    // One cache through changes of angle, of figure, and of both, each
    // redraw held against one made without a cache.
    FigureCache figures;
    for (auto [figure, angle] : {std::pair{CurveKind::Helix, 60},
                                 {CurveKind::Helix, 45},
                                 {CurveKind::ConicalHelix, 45},
                                 {CurveKind::ConicalHelix, 60},
                                 {CurveKind::SphericalHelix, 60},
                                 {CurveKind::SphericalHelix, 45},
                                 {CurveKind::Helix, 45}}) {
        const ViewState view = DefaultView(figure, angle);
        const std::vector<std::string> cached = Redraw(view, figures);
        FigureCache fresh;
        EXPECT_EQ(cached, Redraw(view, fresh)) << int(figure) << " at " << angle;
    }
}

TEST(FigureCacheTest, TheEyeMovesTheKeptVertices)
{
    FigureCache figures;
    const std::vector<std::string> before = Redraw(DefaultView(CurveKind::ConicalHelix), figures);
    const ViewState turned = EyeAt(CurveKind::ConicalHelix, {0, 300, 0});
    const std::vector<std::string> cached = Redraw(turned, figures);
    FigureCache fresh;
    EXPECT_EQ(cached, Redraw(turned, fresh));
    EXPECT_NE(cached, before);
}
