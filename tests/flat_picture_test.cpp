// SPDX-License-Identifier: MIT
// The flat picture: the fit worked out by hand, what a redraw draws and in
// which pens, both line styles and the scales.
#include <cmath>
#include <cstring>
#include <set>

#include "render/draw_figure.h"
#include "render/flat_picture.h"
#include "render/recording_canvas.h"
#include "test_support.h"

namespace {

constexpr double kPi = 3.141592653589793;

std::vector<uint32_t> PixelsOf(const Canvas& canvas)
{
    const int side = canvas.Width();
    return std::vector<uint32_t>(canvas.Bits(), canvas.Bits() + size_t(side) * size_t(side));
}

std::vector<uint32_t> FreshPicture(CurveKind figure, int angle, PictureMapping mapping)
{
    Canvas canvas = Canvas::ForPicture(PictureSide(mapping.scale));
    FlatCache cache;
    ComposeFlatPicture(canvas, cache, figure, angle, mapping);
    return PixelsOf(canvas);
}

std::vector<CanvasOp> FlatOps(CurveKind figure, int angle, double scale = 1.0)
{
    const int side = PictureSide(scale);
    RecordingCanvas canvas(side, side + kRowsBelowPicture);
    FlatCache cache;
    ComposeFlatPicture(canvas, cache, figure, angle, {scale, LineStyle::Exact});
    return canvas.Ops();
}

} // namespace

TEST(FlatPictureTest, FitIsOneScaleWithAMarginCentred)
{
    // The square map: 70π across, 460 of the 500 pixels.
    const FlatFit sphere = FitFlat({-35 * kPi, -35 * kPi, 35 * kPi, 35 * kPi});
    EXPECT_NEAR(sphere.k, 460 / (70 * kPi), 1e-12);
    EXPECT_NEAR(sphere.e, 250, 1e-12);
    EXPECT_NEAR(sphere.f, 250, 1e-12);
    const PicturePoint corner = sphere.Apply({-35 * kPi, 35 * kPi});
    EXPECT_NEAR(corner.x, 20, 1e-9);
    EXPECT_NEAR(corner.y, 20, 1e-9) << "Y grows upwards, picture rows downwards";

    // The half disc: 198.4 across and half that down, hanging from the apex.
    const FlatFit cone = FitFlat({-99.2, -99.2, 99.2, 0});
    EXPECT_NEAR(cone.k, 460 / 198.4, 1e-12);
    EXPECT_NEAR(cone.Apply({0, 0}).x, 250, 1e-9);
    EXPECT_NEAR(cone.Apply({0, 0}).y, 250 - 115, 1e-9) << "the apex above the centre";
    EXPECT_NEAR(cone.Apply({0, -99.2}).y, 250 + 115, 1e-9);

    // The rectangle: its height sets the scale, and it stands centred across.
    const FlatFit cylinder = FitFlat({0, -70, 30 * kPi, 70});
    EXPECT_NEAR(cylinder.k, 460 / 140.0, 1e-12);
    EXPECT_NEAR(cylinder.Apply({15 * kPi, 0}).x, 250, 1e-9);
    EXPECT_NEAR(cylinder.Apply({0, 70}).y, 20, 1e-9);

    const FlatFit none = FitFlat({});
    EXPECT_EQ(none.Apply({0, 0}).x, 250);
    EXPECT_TRUE(std::isfinite(none.k));
}

TEST(FlatPictureTest, ARedrawIsTheSquareThenOutlineWiresAndCurve)
{
    for (CurveKind figure :
         {CurveKind::Helix, CurveKind::ConicalHelix, CurveKind::SphericalHelix}) {
        const std::vector<CanvasOp> ops = FlatOps(figure, 60);
        ASSERT_GE(ops.size(), 4u);
        EXPECT_EQ(FormatOp(ops[0]), "pen border");
        EXPECT_EQ(FormatOp(ops[1]), "fill black");
        EXPECT_EQ(FormatOp(ops[2]), "rect 0 0 500 500");
        std::vector<std::string> pens;
        for (const CanvasOp& op : ops)
            if (op.kind == CanvasOp::Kind::Pen)
                pens.push_back(op.pen);
        EXPECT_EQ(pens, (std::vector<std::string>{"border", "outline", "wire", "curve"}));
        // The outline's first point, through the fit, truncated to its pixel.
        const FlatFigure flat = MakeFlatFigure(figure, 60);
        const PicturePoint first = flat.fit.Apply(flat.paths.Point(0));
        EXPECT_EQ(ops[4].kind, CanvasOp::Kind::Move);
        EXPECT_EQ(ops[4].a, int32_t(first.x));
        EXPECT_EQ(ops[4].b, int32_t(first.y));
    }
    const std::vector<CanvasOp> none = FlatOps(CurveKind::None, 60);
    EXPECT_EQ(none.size(), 3u) << "no figure: only the square";
}

TEST(FlatPictureTest, ScaleMultipliesThePictureCoordinates)
{
    const std::vector<CanvasOp> ops = FlatOps(CurveKind::SphericalHelix, 45, 4.0);
    EXPECT_EQ(FormatOp(ops[2]), "rect 0 0 2000 2000");
    const FlatFigure flat = MakeFlatFigure(CurveKind::SphericalHelix, 45);
    const PicturePoint first = flat.fit.Apply(flat.paths.Point(0));
    EXPECT_EQ(ops[4].a, int32_t(4 * first.x));
    EXPECT_EQ(ops[4].b, int32_t(4 * first.y));
}

TEST(FlatPictureTest, BothLineStylesDrawInThePensColours)
{
    const PictureMapping exact{1.0, LineStyle::Exact};
    const PictureMapping smooth{1.0, LineStyle::Smooth};
    const std::vector<uint32_t> sharp = FreshPicture(CurveKind::ConicalHelix, 60, exact);
    const std::vector<uint32_t> soft = FreshPicture(CurveKind::ConicalHelix, 60, smooth);
    EXPECT_NE(sharp, soft);
    const std::set<uint32_t> colours(sharp.begin(), sharp.end());
    EXPECT_EQ(colours, (std::set<uint32_t>{kOpaqueBlack, kBorderPen.colour, kWirePen.colour,
                                           kCurvePen.colour}))
        << "exact lines: the four colours and nothing between";
    EXPECT_GT(std::set<uint32_t>(soft.begin(), soft.end()).size(), 4u) << "smooth lines blend";
    EXPECT_EQ(soft[0], kBorderPen.colour);
}

TEST(FlatPictureTest, PathsArePiecesThroughTheFit)
{
    const FlatFigure flat = MakeFlatFigure(CurveKind::Helix, 60);
    const std::vector<PicturePath> paths = FlatPicturePaths(flat);
    ASSERT_EQ(paths.size(), flat.paths.pieces.size());
    for (size_t i = 0; i < paths.size(); ++i) {
        const FlatPiece piece = flat.paths.pieces[i];
        EXPECT_STREQ(paths[i].pen.name, FlatPen(piece.what).name);
        ASSERT_EQ(paths[i].points.size(), piece.count);
        const PicturePoint last = flat.fit.Apply(flat.paths.Point(piece.first + piece.count - 1));
        EXPECT_EQ(paths[i].points.back().x, last.x);
        EXPECT_EQ(paths[i].points.back().y, last.y);
    }
    EXPECT_EQ(FlatPen(FlatClass::Outline).colour, kWirePen.colour);
    EXPECT_TRUE(MakeFlatFigure(CurveKind::None, 60).paths.pieces.empty());
}

TEST(FlatPictureTest, VerticalWiresDrawnInBandsOfRowsGiveTheSamePixels)
{
    // Every drawn piece as one polyline through its pixels, in order.
    for (CurveKind figure : {CurveKind::Helix, CurveKind::SphericalHelix})
        for (double scale : {1.0, 4.0}) {
            const FlatFigure flat = MakeFlatFigure(figure, 89);
            Canvas plain = Canvas::ForPicture(PictureSide(scale));
            plain.SelectPen(kBorderPen);
            plain.SelectFill(kOpaqueBlack);
            plain.Rectangle(0, 0, PictureSide(scale), PictureSide(scale));
            for (const FlatPiece& piece : flat.drawn.pieces) {
                std::vector<int32_t> xs, ys;
                for (uint32_t i = piece.first; i < piece.first + piece.count; ++i) {
                    const PicturePoint p = flat.fit.Apply(flat.drawn.Point(i));
                    xs.push_back(int32_t(scale * p.x));
                    ys.push_back(int32_t(scale * p.y));
                }
                plain.SelectPen(FlatPen(piece.what));
                plain.Polyline(xs.data(), ys.data(), xs.size());
            }
            EXPECT_EQ(FreshPicture(figure, 89, {scale, LineStyle::Exact}), PixelsOf(plain))
                << int(figure) << " at scale " << scale;
        }
}

TEST(FlatPictureTest, StraightRunsAreDrawnAsOneLine)
{
    // The helix's pieces and the rulings are straight: only their ends are
    // drawn. The spiral bends at every vertex and keeps them all.
    for (CurveKind figure :
         {CurveKind::Helix, CurveKind::ConicalHelix, CurveKind::SphericalHelix}) {
        const FlatFigure flat = MakeFlatFigure(figure, 60);
        ASSERT_EQ(flat.drawn.pieces.size(), flat.paths.pieces.size());
        for (size_t i = 0; i < flat.paths.pieces.size(); ++i) {
            const FlatPiece all = flat.paths.pieces[i];
            const FlatPiece drawn = flat.drawn.pieces[i];
            EXPECT_EQ(drawn.what, all.what);
            EXPECT_TRUE(AreNear({flat.drawn.x[drawn.first], flat.drawn.y[drawn.first], 0},
                                {flat.paths.x[all.first], flat.paths.y[all.first], 0}, 0.0));
            const uint32_t lastDrawn = drawn.first + drawn.count - 1;
            const uint32_t last = all.first + all.count - 1;
            EXPECT_TRUE(AreNear({flat.drawn.x[lastDrawn], flat.drawn.y[lastDrawn], 0},
                                {flat.paths.x[last], flat.paths.y[last], 0}, 0.0));
            const bool straight =
                all.what == FlatClass::Wire ||
                (all.what == FlatClass::Curve && figure != CurveKind::ConicalHelix);
            if (straight) {
                EXPECT_EQ(drawn.count, 2u) << int(figure) << ", piece " << i;
            } else if (all.what == FlatClass::Curve) {
                EXPECT_EQ(drawn.count, all.count) << "the spiral, piece " << i;
            }
        }
    }
}
