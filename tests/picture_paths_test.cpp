// SPDX-License-Identifier: MIT
// The picture's vector paths against a projection computed here from the
// frame's defining formulas, and against the pixels a redraw draws.
#include <cmath>
#include <cstring>

#include <gtest/gtest.h>

#include "export_test_support.h"
#include "render/picture_paths.h"
#include "render/recording_canvas.h"
#include "render/tracers.h"

namespace {

using Paths = std::vector<PicturePath>;

// The frame and the projection, written out from their definitions: the
// plane 20 units before the eye, hit by the line from the point to the eye.
struct ReferenceProjection {
    Vec3 eye, viewDir, planePoint, right, up;
    double zoom;

    explicit ReferenceProjection(const ExportView& view) : eye(view.eye), zoom(view.zoom)
    {
        viewDir = eye;
        up = Normalize(Cross(viewDir, Cross(view.up, viewDir)));
        right = Normalize(Cross(up, viewDir));
        planePoint = Scale(Length(viewDir) - 20.0, Normalize(viewDir));
    }

    PicturePoint operator()(Vec3 p) const
    {
        const Vec3 toEye = Subtract(eye, p);
        const double t = Dot(viewDir, Subtract(planePoint, p)) / Dot(viewDir, toEye);
        const Vec3 q = Subtract(Scale(zoom, Add(p, Scale(t, toEye))), planePoint);
        return {Dot(q, right), Dot(q, up)}; // u and v
    }
};

FigureModel ModelOf(const ExportView& view)
{
    if (view.figure == CurveKind::Helix)
        return HelixModel(view.angleDeg);
    if (view.figure == CurveKind::ConicalHelix)
        return ConicalHelixModel(view.angleDeg);
    return SphericalHelixModel(view.angleDeg);
}

bool Usable(PicturePoint uv)
{
    return std::isfinite(uv.x) && std::isfinite(uv.y) && std::hypot(uv.x, uv.y) <= kPathReach;
}

bool InsideSquare(PicturePoint uv) { return std::abs(uv.x) <= 250.0 && std::abs(uv.y) <= 250.0; }

// Each polyline in picture units, cut after the loxodrome's first vertex
// outside the square and broken at every vertex that is not usable.
Paths ReferencePaths(const ExportView& view)
{
    const ReferenceProjection project(view);
    const FigureModel model = ModelOf(view);
    Paths paths;
    auto add = [&](const Pen& pen, FigurePolyline polyline, bool cut) {
        bool open = false;
        for (uint32_t i = polyline.first; i < polyline.first + polyline.count; ++i) {
            const PicturePoint uv = project(model.Vertex(i));
            if (!Usable(uv)) {
                open = false;
            } else {
                if (!open)
                    paths.push_back({pen, {}});
                open = true;
                paths.back().points.push_back({250.0 + uv.x, 250.0 - uv.y});
            }
            if (cut && !InsideSquare(uv))
                break;
        }
    };
    for (FigurePolyline polyline : model.wire)
        add(kWirePen, polyline, false);
    for (FigurePolyline polyline : model.curve)
        add(kCurvePen, polyline, model.curveStopsOutsidePicture);
    return paths;
}

::testing::AssertionResult SamePaths(const Paths& actual, const Paths& expected)
{
    if (actual.size() != expected.size())
        return ::testing::AssertionFailure()
               << actual.size() << " paths instead of " << expected.size();
    for (size_t i = 0; i < actual.size(); ++i) {
        if (actual[i].pen.colour != expected[i].pen.colour)
            return ::testing::AssertionFailure() << "path " << i << " has the wrong pen";
        if (actual[i].points.size() != expected[i].points.size())
            return ::testing::AssertionFailure()
                   << "path " << i << " has " << actual[i].points.size() << " points instead of "
                   << expected[i].points.size();
        for (size_t k = 0; k < actual[i].points.size(); ++k) {
            const PicturePoint a = actual[i].points[k], e = expected[i].points[k];
            // Relative to the coordinate's size: the two computations round
            // their steps in the same order, but need not agree to the bit.
            const double tolerance = 1e-9 * std::max(1.0, std::abs(e.x) + std::abs(e.y));
            if (!(std::abs(a.x - e.x) <= tolerance && std::abs(a.y - e.y) <= tolerance))
                return ::testing::AssertionFailure()
                       << "path " << i << " point " << k << ": (" << a.x << ", " << a.y
                       << ") instead of (" << e.x << ", " << e.y << ")";
        }
    }
    return ::testing::AssertionSuccess();
}

size_t PointCount(const Paths& paths)
{
    size_t count = 0;
    for (const PicturePath& path : paths)
        count += path.points.size();
    return count;
}

class PicturePathsTest : public ::testing::Test {};

} // namespace

TEST_F(PicturePathsTest, DefaultViewsHoldEveryPolylineInDrawingOrder)
{
    const Paths sphere = PicturePaths(StateOf({CurveKind::SphericalHelix}));
    ASSERT_EQ(sphere.size(), 14u);
    for (size_t i = 0; i < 13; ++i) {
        EXPECT_STREQ(sphere[i].pen.name, "wire");
        EXPECT_EQ(sphere[i].points.size(), 39u);
    }
    EXPECT_STREQ(sphere[13].pen.name, "curve");
    EXPECT_EQ(sphere[13].points.size(), 314u) << "the whole loxodrome lies inside";

    const Paths helix = PicturePaths(StateOf({CurveKind::Helix}));
    ASSERT_EQ(helix.size(), 25u + 2u) << "25 generatrices, then the two halves of the helix";
    EXPECT_STREQ(helix[24].pen.name, "wire");
    EXPECT_STREQ(helix[25].pen.name, "curve");

    EXPECT_TRUE(PicturePaths(StateOf({CurveKind::None})).empty());
}

TEST_F(PicturePathsTest, MatchAnIndependentProjectionOfManyViews)
{
    for (const ExportView& view : SeededViews(20261208, 300)) {
        const ViewState state = StateOf(view);
        EXPECT_TRUE(SamePaths(PicturePaths(state), ReferencePaths(view)))
            << "figure " << int(view.figure) << " angle " << view.angleDeg << " zoom " << view.zoom
            << " eye (" << view.eye.x << ", " << view.eye.y << ", " << view.eye.z << ")";
    }
}

// Where every point is usable, each path is one polyline of the redraw, and
// its points lie in the pixels that polyline's lines go to.
TEST_F(PicturePathsTest, PointsLieInTheRedrawsPixels)
{
    int compared = 0;
    for (const ExportView& view : SeededViews(77, 60)) {
        const ViewState state = StateOf(view);
        const Paths paths = PicturePaths(state);
        RecordingCanvas canvas;
        FigureCache figures;
        ComposeFigure(canvas, figures, Framed(state));
        std::vector<std::vector<Pixel>> polylines;
        for (const CanvasOp& op : canvas.Ops()) {
            if (op.kind == CanvasOp::Kind::Move)
                polylines.emplace_back();
            if (op.kind == CanvasOp::Kind::Line)
                polylines.back().push_back({op.a, op.b});
        }
        if (polylines.size() != paths.size())
            continue; // a break split a polyline; the projection test covers it
        for (size_t i = 0; i < paths.size(); ++i) {
            ASSERT_EQ(paths[i].points.size(), polylines[i].size()) << "polyline " << i;
            for (size_t k = 0; k < paths[i].points.size(); ++k) {
                const PicturePoint p = paths[i].points[k];
                EXPECT_EQ(polylines[i][k], (Pixel{TruncToPixel(p.x), TruncToPixel(p.y)}));
            }
        }
        ++compared;
    }
    EXPECT_GT(compared, 50);
}

TEST_F(PicturePathsTest, TheLoxodromeStopsWhereThePictureDoes)
{
    // Seen from above the north pole, close and large, the loxodrome spirals
    // out of the square, and the line to its first vertex outside is the
    // last one, as on screen.
    const ExportView view{CurveKind::SphericalHelix, 60, 100.0, {0.0, 0.0, 200.0}, {1.0, 0.0, 0.0}};
    const ViewState state = StateOf(view);
    const Paths paths = PicturePaths(state);
    ASSERT_TRUE(SamePaths(paths, ReferencePaths(view)));
    const std::vector<PicturePoint>& curve = paths.back().points;
    ASSERT_LT(curve.size(), 314u);
    ASSERT_GT(curve.size(), 10u);
    const PicturePoint last = curve.back();
    EXPECT_TRUE(last.x < 0 || last.x > 500 || last.y < 0 || last.y > 500);
    for (size_t k = 0; k + 1 < curve.size(); ++k)
        EXPECT_TRUE(curve[k].x >= 0 && curve[k].x <= 500 && curve[k].y >= 0 && curve[k].y <= 500);
}

TEST_F(PicturePathsTest, BreakAtVerticesNotFiniteOrOutOfReach)
{
    FigureModel model;
    model.BeginWire();
    for (int i = 0; i < 7; ++i)
        model.AddWire({});
    model.BeginCurve();
    for (int i = 0; i < 3; ++i)
        model.AddCurve({});
    model.curveStopsOutsidePicture = true;
    const double nan = std::nan("");
    const double reach = kPathReach;
    ProjectedFigure projected;
    projected.u = {0.0, nan, 1.0, reach, reach + 1.0, -INFINITY, 2.0, 0.0, 300.0, 0.0};
    projected.v = {0.0, 0.0, 1.0, 0.0, 0.0, 0.0, -2.0, 0.0, 0.0, 0.0};

    const Paths paths = PathsOfProjection(model, projected);
    ASSERT_EQ(paths.size(), 4u);
    ASSERT_EQ(paths[0].points.size(), 1u);
    EXPECT_EQ(paths[0].points[0].x, 250.0);
    ASSERT_EQ(paths[1].points.size(), 2u) << "2^24 from the centre is still within reach";
    EXPECT_EQ(paths[1].points[0].x, 251.0);
    EXPECT_EQ(paths[1].points[0].y, 249.0);
    EXPECT_EQ(paths[1].points[1].x, 250.0 + reach);
    ASSERT_EQ(paths[2].points.size(), 1u);
    EXPECT_EQ(paths[2].points[0].y, 252.0);
    EXPECT_STREQ(paths[3].pen.name, "curve");
    ASSERT_EQ(paths[3].points.size(), 2u) << "the cut keeps the first vertex outside, only";
    EXPECT_EQ(paths[3].points[1].x, 550.0);
    EXPECT_EQ(PointCount(paths), 6u);
}

TEST_F(PicturePathsTest, AnEyeInsideTheFigureGivesOnlyUsablePoints)
{
    // The eye 20 from the centre of a sphere of radius 35 sees vertices on
    // every side of it, some on its own plane.
    for (const ExportView& view : SeededViews(11, 200)) {
        ExportView close = view;
        close.eye = Scale(20.0 / Length(view.eye), view.eye);
        close.zoom = 100.0;
        const ViewState state = StateOf(close);
        for (const PicturePath& path : PicturePaths(state))
            for (const PicturePoint p : path.points)
                ASSERT_TRUE(Usable({p.x - 250.0, 250.0 - p.y}));
    }
}
