// SPDX-License-Identifier: MIT
// The angle mark: its parts in space and in the flat picture, the angle it
// measures in both, and how it is drawn.
#include <random>

#include "curve_parameters.h"
#include "geometry/view_frame.h"
#include "render/angle_mark.h"
#include "render/development.h"
#include "render/recording_canvas.h"
#include "test_support.h"

namespace {

Vec3 AsVec3(FlatPoint p) { return {p.x, p.y, 0.0}; }

double Distance(Vec3 a, Vec3 b) { return Length(Subtract(a, b)); }

// Every arc point lies at the arc's radius from the point, the first along
// the generatrix's upward or outward direction.
template <class Point>
void ExpectArcAbout(const MarkParts<Point>& mark, Vec3 point, Vec3 generatrix, Vec3 (*as)(Point))
{
    ASSERT_GE(mark.arc.size(), 2u);
    for (const Point& p : mark.arc)
        EXPECT_NEAR(Distance(as(p), point), kMarkArcRadius, 1e-9);
    const Vec3 first = Subtract(as(mark.arc.front()), point);
    EXPECT_NEAR(AngleBetweenDeg(first, generatrix), 0.0, 1e-6);
    EXPECT_GT(Dot(first, generatrix), 0.0);
    const Vec3 last = Subtract(as(mark.arc.back()), point);
    EXPECT_NEAR(AngleBetweenDeg(first, last), mark.angleDeg, 1e-6);
}

Vec3 Itself(Vec3 p) { return p; }

} // namespace

// The mark in space: the tangent and the generatrix centred on the point,
// kMarkLength long where the surface does not cut it, the arc between
// them, and the angle the bar's.
TEST(AngleMarkTest, PartsInSpace)
{
    for (CurveKind figure : kFigures) {
        const TracedCurve curve = TraceOf(figure, 60);
        const double t = DefaultParameter(curve);
        const SpaceMark mark = MarkInSpace(curve, t);
        const CurvePoint at = PointOnCurve(figure, 60, t);
        ASSERT_TRUE(mark.shown && mark.hasAngle);
        EXPECT_NEAR(mark.angleDeg, 60.0, 1e-9);
        EXPECT_TRUE(AreNear(mark.point, at.position, 0.0));
        ASSERT_EQ(mark.tangent.size(), 2u);
        EXPECT_NEAR(Distance(mark.tangent[0], mark.tangent[1]), kMarkLength, 1e-9);
        EXPECT_NEAR(AngleBetweenDeg(Subtract(mark.tangent[1], mark.tangent[0]), at.tangent), 0.0,
                    1e-6);
        EXPECT_TRUE(AreNear(Scale(0.5, Add(mark.tangent[0], mark.tangent[1])), at.position, 1e-12));
        // Half its length each way; on the sphere, along the meridian's arc.
        ASSERT_GE(mark.generatrix.size(), 2u);
        const double half = figure == CurveKind::SphericalHelix
                                ? 2 * 35.0 * std::sin(kMarkLength / 4 / 35.0)
                                : kMarkLength / 2;
        EXPECT_NEAR(Distance(mark.generatrix.front(), at.position), half, 1e-9);
        EXPECT_NEAR(Distance(mark.generatrix.back(), at.position), half, 1e-9);
        ExpectArcAbout(mark, at.position, at.generatrix, Itself);
    }
    // The sphere's generatrix is a piece of the meridian: on the sphere, at
    // the point's longitude.
    const TracedCurve sphere = TraceOf(CurveKind::SphericalHelix, 60);
    const SpaceMark mark = MarkInSpace(sphere, 1.0);
    ASSERT_GT(mark.generatrix.size(), 2u);
    for (Vec3 p : mark.generatrix) {
        EXPECT_NEAR(Length(p), 35.0, 1e-12);
        EXPECT_NEAR(p.x * mark.point.y - p.y * mark.point.x, 0.0, 1e-9);
    }
}

// The generatrix stops where the surface does: the cylinder's lowest wire
// height, the cone's apex and rim, the sphere's pole.
TEST(AngleMarkTest, GeneratrixIsCutToTheSurface)
{
    const TracedCurve helix = TraceOf(CurveKind::Helix, 30);
    const SpaceMark low = MarkInSpace(helix, helix.range.first + 0.01);
    ASSERT_EQ(low.generatrix.size(), 2u);
    EXPECT_EQ(low.generatrix[0].z, helix.low);
    EXPECT_NEAR(low.generatrix[1].z - low.point.z, kMarkLength / 2, 1e-9);

    const TracedCurve cone = TraceOf(CurveKind::ConicalHelix, 60);
    const SpaceMark rim = MarkInSpace(cone, cone.range.last);
    ASSERT_EQ(rim.generatrix.size(), 2u);
    EXPECT_NEAR(Distance(rim.generatrix[1], {0, 0, 50}), cone.high, 1e-9);
    EXPECT_NEAR(cone.high, 99.2, 1e-9);
    const double nearApex = std::log(0.5) / ConeGrowth(60); // ρ = 0.5, slant 4
    const SpaceMark apex = MarkInSpace(cone, nearApex);
    ASSERT_EQ(apex.generatrix.size(), 2u);
    EXPECT_TRUE(AreNear(apex.generatrix[0], {0, 0, 50}, 1e-12));

    const TracedCurve sphere = TraceOf(CurveKind::SphericalHelix, 45);
    const SpaceMark pole = MarkInSpace(sphere, sphere.range.first);
    ASSERT_FALSE(pole.generatrix.empty());
    EXPECT_TRUE(AreNear(pole.generatrix.front(), {0, 0, 35}, 1e-12));
}

// Without directions, the dot alone.
TEST(AngleMarkTest, ApexIsTheDotAlone)
{
    const TracedCurve cone = TraceOf(CurveKind::ConicalHelix, 2);
    for (const PictureMark& mark :
         {ProjectMark(MarkInSpace(cone, cone.range.first), Framed(DefaultView(cone.figure, 2))),
          FitMark(MarkInPlane(cone, cone.range.first), MakeFlatFigure(cone.figure, 2).fit)}) {
        EXPECT_TRUE(mark.shown);
        EXPECT_FALSE(mark.hasAngle);
        EXPECT_TRUE(mark.generatrix.empty() && mark.tangent.empty() && mark.arc.empty());
        ASSERT_EQ(AngleMarkPaths(mark).size(), 1u);
    }
    EXPECT_FALSE(MarkInSpace(TraceOf(CurveKind::None, 60), 0.0).shown);
    EXPECT_FALSE(MarkInSpace(TraceOf(CurveKind::Helix, 60), std::nan("")).shown);
}

// In the flat picture the point lies where the development puts the curve's
// vertex of that parameter, on sheet 0.
TEST(AngleMarkTest, FlatPointIsTheDevelopmentsVertex)
{
    for (CurveKind figure : kFigures)
        for (int angle : {LowestAngle(figure) + 3, 45, 89}) {
            SCOPED_TRACE(testing::Message() << int(figure) << " at " << angle);
            const Development d = Develop(figure, angle);
            const TracedCurve curve = TraceOf(figure, angle);
            const FigurePolyline polyline = d.curve.front();
            for (uint32_t i = 0; i < polyline.count; i += 37) {
                const double t =
                    figure == CurveKind::Helix ? i * CylinderDimensions::kParameterStep
                    : figure == CurveKind::ConicalHelix
                        ? (ConeDimensions::FirstCurveCounter() + int(i)) * ConeDimensions::kStep
                        : int(i + 1) * SphereDimensions::kCurveStep;
                const FlatMark mark = MarkInPlane(curve, t);
                if (!mark.shown)
                    continue;
                const FlatPoint vertex = OnSheet(d, polyline.first + i).point;
                EXPECT_TRUE(AreNear(AsVec3(mark.point), AsVec3(vertex), 1e-9 * (1 + d.box.right)))
                    << "vertex " << i;
            }
        }
}

// The angle survives the development: measured in the plane, it is the
// bar's at every point inside the outline.
TEST(AngleMarkTest, FlatAngleIsTheBarsEverywhere)
{
    for (CurveKind figure : kFigures)
        for (int angle = LowestAngle(figure); angle <= 89; angle += 3) {
            const TracedCurve curve = TraceOf(figure, angle);
            for (double t : RandomParameters(curve.range, 300 + angle, 200)) {
                const FlatMark mark = MarkInPlane(curve, t);
                if (!mark.hasAngle)
                    continue;
                EXPECT_NEAR(mark.angleDeg, angle, 1e-9) << int(figure) << " t = " << t;
                ASSERT_EQ(mark.tangent.size(), 2u);
                EXPECT_NEAR(Distance(AsVec3(mark.tangent[0]), AsVec3(mark.tangent[1])), kMarkLength,
                            1e-9);
            }
        }
    // On the equator of the Mercator map, the point is at Y = 0, and the
    // meridian's image is vertical.
    const TracedCurve sphere = TraceOf(CurveKind::SphericalHelix, 30);
    const FlatMark equator = MarkInPlane(sphere, DefaultParameter(sphere));
    ASSERT_TRUE(equator.hasAngle);
    EXPECT_NEAR(equator.point.y, 0.0, 1e-12);
    ASSERT_EQ(equator.generatrix.size(), 2u);
    EXPECT_EQ(equator.generatrix[0].x, equator.generatrix[1].x);
    ExpectArcAbout(
        equator, AsVec3(equator.point), {0, 1, 0}, +[](FlatPoint p) { return AsVec3(p); });
    // Past the Mercator square, near the pole, the flat picture has no point.
    EXPECT_FALSE(MarkInPlane(sphere, sphere.range.first).shown);
}

// The mark is drawn in its own pen after whatever is there, as lines the
// operation log shows, with the dot on the point's pixel at every scale.
TEST(AngleMarkTest, DrawnInItsPenOnThePointsPixel)
{
    const ViewState view = Framed(DefaultView(CurveKind::Helix));
    const TracedCurve helix = TraceOf(CurveKind::Helix, 60);
    const PictureMark mark = ProjectMark(MarkInSpace(helix, 0.0), view);
    for (double scale : {1.0, 2.0}) {
        for (LineStyle lines : {LineStyle::Exact, LineStyle::Smooth}) {
            const int side = PictureSide(scale);
            RecordingCanvas canvas(side, side + kRowsBelowPicture);
            DrawAngleMark(canvas, mark, {scale, lines});
            EXPECT_EQ(canvas.PenColour(), kMarkPen.colour);
            const int x = int(scale * mark.point.x), y = int(scale * mark.point.y);
            EXPECT_EQ(canvas.PixelAt(x, y), kMarkPen.colour);
            EXPECT_EQ(canvas.PixelAt(x + int(2 * scale), y), kMarkPen.colour);
            EXPECT_EQ(canvas.PixelAt(x + int(2 * scale) + 2, y), kOpaqueBlack);
        }
    }
    // The default helix point, (15, 0, 0), faces the eye: the picture's
    // centre.
    EXPECT_NEAR(mark.point.y, kPictureHalf, 1e-9);
    EXPECT_NEAR(mark.point.x, kPictureHalf, 1e-9);
    RecordingCanvas nothing;
    DrawAngleMark(nothing, PictureMark{}, {});
    EXPECT_TRUE(nothing.Ops().empty());
}

TEST(AngleMarkTest, LabelStandsBeyondTheArc)
{
    const TracedCurve helix = TraceOf(CurveKind::Helix, 60);
    const PictureMark mark =
        ProjectMark(MarkInSpace(helix, 0.0), Framed(DefaultView(CurveKind::Helix)));
    const PicturePoint label = LabelAnchor(mark);
    const PicturePoint middle = mark.arc[mark.arc.size() / 2];
    EXPECT_NEAR(std::hypot(label.x - middle.x, label.y - middle.y), kLabelDistance, 1e-9);
    EXPECT_GT(std::hypot(label.x - mark.point.x, label.y - mark.point.y), kLabelDistance);
    // On the same side as the arc's middle.
    EXPECT_GT((label.x - mark.point.x) * (middle.x - mark.point.x) +
                  (label.y - mark.point.y) * (middle.y - mark.point.y),
              0.0);
}

// With the hidden parts shown, a point behind the cylinder from the eye
// marks its angle in the hidden curve's dashes: the same lines, with gaps;
// a seen point, or the same point with the option off, is drawn solid.
TEST(AngleMarkTest, PointOnAHiddenPartIsDashed)
{
    ViewState view = DefaultView(CurveKind::Helix);
    const double behind = 3.141592653589793; // (−15, 0, z): the cylinder's far side
    EXPECT_FALSE(FigureAngleMark(view, behind).hidden) << "option off";
    view.hiddenParts = true;
    EXPECT_FALSE(FigureAngleMark(view, 0.0).hidden) << "(15, 0, 0) faces the eye";
    const PictureMark hidden = FigureAngleMark(view, behind);
    ASSERT_TRUE(hidden.shown && hidden.hasAngle);
    EXPECT_TRUE(hidden.hidden);
    view.eye = {0.0, 0.0, 400.0}; // above the open top: the inside is seen
    EXPECT_FALSE(FigureAngleMark(view, behind).hidden);

    PictureMark solid = hidden;
    solid.hidden = false;
    for (double scale : {1.0, 2.0})
        for (LineStyle lines : {LineStyle::Exact, LineStyle::Smooth}) {
            const int side = PictureSide(scale);
            RecordingCanvas dashed(side, side), whole(side, side);
            DrawAngleMark(dashed, hidden, {scale, lines});
            DrawAngleMark(whole, solid, {scale, lines});
            int64_t dashedPixels = 0, wholePixels = 0, outside = 0;
            for (int y = 0; y < side; ++y)
                for (int x = 0; x < side; ++x) {
                    const bool inDashed = dashed.PixelAt(x, y) != kOpaqueBlack;
                    const bool inWhole = whole.PixelAt(x, y) != kOpaqueBlack;
                    dashedPixels += inDashed;
                    wholePixels += inWhole;
                    outside += inDashed && !inWhole;
                }
            EXPECT_LT(dashedPixels, wholePixels * 3 / 4) << scale << " " << int(lines);
            EXPECT_GT(dashedPixels, wholePixels / 4) << scale << " " << int(lines);
            EXPECT_EQ(outside, 0) << "only the solid mark's pixels";
            const int x = int(scale * hidden.point.x), y = int(scale * hidden.point.y);
            EXPECT_EQ(dashed.PixelAt(x, y), kMarkPen.colour) << "the dot stays whole";
        }
    // For the page: the parts dashed, the dot's ring, last, not.
    const std::vector<PicturePath> paths = AngleMarkPaths(hidden);
    ASSERT_EQ(paths.size(), 4u);
    for (size_t i = 0; i < paths.size(); ++i)
        EXPECT_EQ(paths[i].dashed, i + 1 < paths.size()) << i;
}
