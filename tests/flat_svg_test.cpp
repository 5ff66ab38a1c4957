// SPDX-License-Identifier: MIT
// The flat picture's SVG: the square, then one group in development units
// through the fit, one polyline a piece with its class; rendered by
// rsvg-convert like the raster flat picture. And the figure with its flat
// picture side by side in one document.
#include <gtest/gtest.h>

#include <QRegularExpression>

#include "export/figure_titles.h"
#include "export/flat_svg.h"
#include "export/picture_svg.h"
#include "export_test_support.h"
#include "svg_test_support.h"

namespace {

const CurveKind kFigures[] = {CurveKind::Helix, CurveKind::ConicalHelix, CurveKind::SphericalHelix};

QImage FlatRaster(CurveKind figure, int angle)
{
    Canvas canvas;
    FlatCache cache;
    ComposeFlatPicture(canvas, cache, figure, angle);
    return CanvasPictureCopy(canvas);
}

// The six numbers of "matrix(a b c d e f)".
std::vector<double> MatrixOf(const QString& transform)
{
    const QRegularExpressionMatch match =
        QRegularExpression(R"(^matrix\(([^ ]+) ([^ ]+) ([^ ]+) ([^ ]+) ([^ ]+) ([^ ]+)\)$)")
            .match(transform);
    std::vector<double> numbers;
    for (int i = 1; match.hasMatch() && i <= 6; ++i)
        numbers.push_back(match.captured(i).toDouble());
    return numbers;
}

} // namespace

TEST(FlatSvgTest, TheSquareThenTheFlatGroupOfClassedPieces)
{
    for (CurveKind figure : kFigures)
        for (int angle : {2, 45, 89}) {
            const FlatFigure flat = MakeFlatFigure(figure, angle);
            const QByteArray svg = FlatPictureSvg(figure, angle);
            const std::vector<SvgElement> elements = Elements(svg);
            ASSERT_EQ(elements.size(), 5 + flat.paths.pieces.size());
            EXPECT_EQ(Attribute(elements[0], "viewBox"), "0 0 500 500");
            EXPECT_EQ(elements[1].name, "title");
            EXPECT_EQ(elements[2].name, "rect");
            EXPECT_EQ(Attribute(elements[3], "stroke"), "rgb(255,255,255)");
            const SvgElement& group = elements[4];
            EXPECT_EQ(group.name, "g");
            EXPECT_EQ(Attribute(group, "id"), "flat");
            const std::vector<double> m = MatrixOf(Attribute(group, "transform"));
            ASSERT_EQ(m.size(), 6u) << Attribute(group, "transform").toStdString();
            EXPECT_EQ(m[0], flat.fit.k);
            EXPECT_EQ(m[1], 0.0);
            EXPECT_EQ(m[2], 0.0);
            EXPECT_EQ(m[3], -flat.fit.k);
            EXPECT_EQ(m[4], flat.fit.e);
            EXPECT_EQ(m[5], flat.fit.f);

            const char* const classes[] = {"outline", "wire", "curve"};
            const char* const strokes[] = {"rgb(50,50,50)", "rgb(50,50,50)", "rgb(0,0,255)"};
            for (size_t i = 0; i < flat.paths.pieces.size(); ++i) {
                const SvgElement& polyline = elements[5 + i];
                const FlatPiece piece = flat.paths.pieces[i];
                ASSERT_EQ(polyline.name, "polyline");
                EXPECT_EQ(Attribute(polyline, "class"), classes[int(piece.what)]);
                EXPECT_EQ(Attribute(polyline, "stroke"), strokes[int(piece.what)]);
                EXPECT_NEAR(Attribute(polyline, "stroke-width").toDouble() * flat.fit.k, 1.0, 1e-12)
                    << "one picture unit";
                const QString text = Attribute(polyline, "points");
                EXPECT_FALSE(text.contains(QRegularExpression(R"(\.\d{0,5}(,| |$))")))
                    << "at least six decimals: " << text.left(80).toStdString();
                const std::vector<PicturePoint> points = PointsOf(text);
                ASSERT_EQ(points.size(), piece.count);
                for (uint32_t k = 0; k < piece.count; ++k) {
                    const FlatPoint p = flat.paths.Point(piece.first + k);
                    ASSERT_NEAR(points[k].x, p.x, 5e-10);
                    ASSERT_NEAR(points[k].y, p.y, 5e-10);
                }
            }
        }
}

TEST(FlatSvgTest, TitleSaysWhatTheFlatPictureShows)
{
    EXPECT_TRUE(FlatPictureSvg(CurveKind::ConicalHelix, 60)
                    .contains("<title>Desarrollo del cono: la hélice cónica es una espiral "
                              "logarítmica — Ángulo = 60º</title>"));
    EXPECT_EQ(FlatCaption(CurveKind::None, 60), "");
    for (CurveKind figure : kFigures)
        EXPECT_FALSE(FlatTitle(figure).isEmpty());
}

// rsvg-convert's anti-aliased lines stand within a pixel of the raster's.
TEST(FlatSvgTest, RendersLikeTheRasterFlatPicture)
{
    for (CurveKind figure : kFigures)
        for (int angle : {5, 60, 89}) {
            const QImage raster = FlatRaster(figure, angle);
            const QImage rendered = Rendered(FlatPictureSvg(figure, angle));
            ASSERT_EQ(rendered.size(), QSize(500, 500));
            EXPECT_GE(ShareNear(raster, IsRasterCurve, rendered, IsBluish), 0.97)
                << int(figure) << " at " << angle;
            EXPECT_GE(ShareNear(rendered, IsBluish, raster, IsRasterCurve), 0.97)
                << int(figure) << " at " << angle;
            EXPECT_GE(ShareNear(raster, IsRasterWire, rendered, IsLit), 0.97);
        }
}

TEST(FlatSvgTest, SideBySideHoldsBothPicturesEachInItsSquare)
{
    // Zoomed in, the figure's lines run past its square: they stay off the
    // flat picture.
    const ViewState state = StateOf({CurveKind::Helix, 60, 100.0, {60, 0, 0}});
    const QByteArray svg = SideBySideSvg(state);
    const std::vector<SvgElement> elements = Elements(svg);
    ASSERT_GE(elements.size(), 3u);
    EXPECT_EQ(Attribute(elements[0], "viewBox"), "0 0 1010 500");
    EXPECT_EQ(elements[2].name, "svg");
    EXPECT_EQ(Attribute(elements[2], "x"), "0");
    int squares = 0, groups = 0;
    for (const SvgElement& element : elements) {
        squares += element.name == "svg" && Attribute(element, "width") == "500";
        groups += Attribute(element, "id") == "flat";
    }
    EXPECT_EQ(squares, 2);
    EXPECT_EQ(groups, 1);

    const QImage rendered = Rendered(svg);
    ASSERT_EQ(rendered.size(), QSize(1010, 500));
    const QImage figure = Rendered(PictureSvg(state));
    EXPECT_EQ(rendered.copy(0, 0, 500, 500), figure);
    const QImage flat = Rendered(FlatPictureSvg(CurveKind::Helix, 60));
    EXPECT_EQ(rendered.copy(510, 0, 500, 500), flat);
    EXPECT_EQ(Elements(SideBySideSvg(ViewState{})).size(), 8u)
        << "no figure: the two squares, the flat group empty, no title";
}
