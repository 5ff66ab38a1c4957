// SPDX-License-Identifier: MIT
// The SVG document: read back as XML, its numbers against the paths, and
// rendered by rsvg-convert against the raster picture.
#include <cmath>
#include <map>
#include <random>

#include <gtest/gtest.h>

#include "export/figure_titles.h"
#include "export/picture_svg.h"
#include "export_test_support.h"
#include "svg_test_support.h"

namespace {

class PictureSvgTest : public ::testing::Test {};

} // namespace

TEST_F(PictureSvgTest, HoldsTheSquareThenOnePolylinePerPath)
{
    const ViewState state = StateOf({CurveKind::ConicalHelix});
    const std::vector<PicturePath> paths = PicturePaths(state);
    const QByteArray svg = PictureSvg(state);
    const std::vector<SvgElement> elements = Elements(svg);

    ASSERT_GE(elements.size(), 4u);
    EXPECT_EQ(elements[0].name, "svg");
    EXPECT_EQ(Attribute(elements[0], "viewBox"), "0 0 500 500");
    EXPECT_EQ(elements[1].name, "title");
    EXPECT_EQ(elements[2].name, "rect");
    EXPECT_EQ(Attribute(elements[2], "fill"), "rgb(0,0,0)");
    EXPECT_EQ(Attribute(elements[3], "x"), "0.5");
    EXPECT_EQ(Attribute(elements[3], "width"), "499");
    EXPECT_EQ(Attribute(elements[3], "stroke"), "rgb(255,255,255)");
    EXPECT_EQ(Attribute(elements[3], "fill"), "none");

    const std::vector<SvgElement> polylines(elements.begin() + 4, elements.end());
    ASSERT_EQ(polylines.size(), paths.size());
    for (size_t i = 0; i < paths.size(); ++i) {
        EXPECT_EQ(polylines[i].name, "polyline");
        EXPECT_EQ(Attribute(polylines[i], "stroke"), i < 63 ? "rgb(50,50,50)" : "rgb(0,0,255)");
        EXPECT_EQ(Attribute(polylines[i], "stroke-width"), "1");
        EXPECT_EQ(Attribute(polylines[i], "vector-effect"), "non-scaling-stroke");
        EXPECT_EQ(Attribute(polylines[i], "fill"), "none");
        const std::vector<PicturePoint> points = PointsOf(Attribute(polylines[i], "points"));
        ASSERT_EQ(points.size(), paths[i].points.size());
        for (size_t k = 0; k < points.size(); ++k) {
            EXPECT_NEAR(points[k].x, paths[i].points[k].x, 5e-7);
            EXPECT_NEAR(points[k].y, paths[i].points[k].y, 5e-7);
        }
    }
}

// With the hidden parts shown every polyline says which part it is, and
// only the hidden curve is dashed; without, none has a class.
TEST_F(PictureSvgTest, HiddenPartsAreNamedAndDashed)
{
    ViewState state = StateOf({CurveKind::Helix});
    state.hiddenParts = true;
    const std::vector<SvgElement> elements = Elements(PictureSvg(state));
    std::map<QString, int> parts;
    for (const SvgElement& element : elements) {
        if (element.name != "polyline")
            continue;
        const QString part = Attribute(element, "class");
        ++parts[part];
        EXPECT_EQ(Attribute(element, "stroke-dasharray"),
                  part == "curve hidden" ? "4 4" : QString());
        EXPECT_EQ(Attribute(element, "stroke"),
                  part.startsWith("curve") ? "rgb(0,0,255)" : "rgb(50,50,50)");
    }
    EXPECT_EQ(parts.size(), 4u);
    EXPECT_EQ(parts["contour"], 2);
    EXPECT_GT(parts["curve hidden"], 2);
    EXPECT_GT(parts["curve"], 2);
    EXPECT_GT(parts["wire"], 2);

    state.hiddenParts = false;
    for (const SvgElement& element : Elements(PictureSvg(state)))
        EXPECT_EQ(Attribute(element, "class"), QString());
}

TEST_F(PictureSvgTest, NoFigureIsTheEmptySquare)
{
    const QByteArray svg = PictureSvg(ViewState{});
    const std::vector<SvgElement> elements = Elements(svg);
    ASSERT_EQ(elements.size(), 3u);
    EXPECT_EQ(elements[1].name, "rect");
    EXPECT_EQ(elements[2].name, "rect");
    // The border covers exactly the outer columns and rows, as on screen.
    EXPECT_EQ(Rendered(svg), RasterPicture(ViewState{}));
}

TEST_F(PictureSvgTest, EveryNumberIsFiniteWhateverTheView)
{
    for (const ExportView& view : SeededViews(3, 100)) {
        ExportView close = view;
        close.eye = Scale(20.0 / Length(view.eye), view.eye); // inside the figure
        const ViewState state = StateOf(close);
        for (const SvgElement& element : Elements(PictureSvg(state))) {
            if (element.name != "polyline")
                continue;
            for (PicturePoint p : PointsOf(Attribute(element, "points"))) {
                ASSERT_LE(std::abs(p.x), kPathReach + 250.0);
                ASSERT_LE(std::abs(p.y), kPathReach + 250.0);
            }
        }
    }
}

TEST_F(PictureSvgTest, TitleNamesTheFigureAndTheAngle)
{
    const ViewState state = StateOf({CurveKind::ConicalHelix});
    EXPECT_TRUE(PictureSvg(state).contains("<title>Hélice cónica — Ángulo = 60º</title>"));
}

// The numbers are Qt's own six-decimal text, halfway values (odd multiples
// of 1/128) rounded away from zero, and the title is escaped as XML text.
TEST(PictureSvgTextTest, CoordinatesAndTitleAreWrittenAsQtWritesThem)
{
    std::mt19937 random(128);
    std::uniform_real_distribution<double> anywhere(-kPathReach - 250.0, kPathReach + 250.0);
    std::uniform_real_distribution<double> near(-2.0, 2.0);
    std::vector<PicturePoint> points;
    for (int i = 0; i < 2000; ++i)
        points.push_back({anywhere(random), near(random) * std::pow(10.0, -i % 12)});
    for (int k = -3000; k <= 3000; k += 7)
        points.push_back({k / 128.0, 250.0 - k / 128.0});
    points.push_back({0.9999995, -0.0000005});
    points.push_back({-1e-300, -0.0});
    points.push_back({std::nextafter(1.0 / 128, 0.0), std::nextafter(-1.0 / 128, 0.0)});
    QStringList expected;
    for (const PicturePoint& p : points)
        expected << QString::number(p.x, 'f', 6) + u',' + QString::number(p.y, 'f', 6);
    const QByteArray svg = PictureSvg({{kCurvePen, points}}, QStringLiteral("<A & B>"));
    EXPECT_TRUE(svg.contains("points=\"" + expected.join(u' ').toLatin1() + '"'));
    EXPECT_TRUE(svg.contains("<title>&lt;A &amp; B&gt;</title>"));
    EXPECT_EQ(Elements(svg).size(), 5u);
}

// rsvg-convert draws the document; its anti-aliased lines stand within a
// pixel of the raster picture's, whose lines are cut to whole pixels.
TEST_F(PictureSvgTest, RendersLikeTheRasterPicture)
{
    std::vector<ExportView> views = {{CurveKind::Helix},
                                     {CurveKind::ConicalHelix, 30, 80.0},
                                     {CurveKind::SphericalHelix, 60, 100.0}};
    for (const ExportView& view : SeededViews(41, 4))
        views.push_back(view);
    for (const ExportView& view : views) {
        const ViewState state = StateOf(view);
        const QImage raster = RasterPicture(state);
        const QImage rendered = Rendered(PictureSvg(state));
        ASSERT_EQ(rendered.size(), QSize(500, 500));
        // Lines that reach the border are drawn over it, in both.
        int white = 0;
        for (int i = 0; i < 500; ++i)
            for (QPoint p : {QPoint(0, i), QPoint(499, i), QPoint(i, 0), QPoint(i, 499)})
                white += rendered.pixel(p) == 0xFFFFFFFFu;
        EXPECT_GE(white, 1800);
        EXPECT_GE(ShareNear(raster, IsRasterCurve, rendered, IsBluish), 0.97)
            << "figure " << int(view.figure);
        EXPECT_GE(ShareNear(rendered, IsBluish, raster, IsRasterCurve), 0.97);
        EXPECT_GE(ShareNear(raster, IsRasterWire, rendered, IsLit), 0.97);
        EXPECT_GE(ShareNear(rendered, IsLit, raster, [](QRgb p) { return qGray(p) > 0; }), 0.97);
    }
}
