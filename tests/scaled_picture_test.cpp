// SPDX-License-Identifier: MIT
// The picture at a device scale: the scaled pixel mapping, the goldens at
// scale 2 and the operations a scaled redraw makes.
#include <cmath>
#include <limits>
#include <random>

#include <QImage>
#include <QString>

#include "render/draw_figure.h"
#include "render/recording_canvas.h"
#include "test_support.h"
#include "ui/canvas_image.h"
#include "ui/picture_layout.h"

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr int32_t kMaxPixel = std::numeric_limits<int32_t>::max();
constexpr int32_t kMinPixel = std::numeric_limits<int32_t>::min();

QImage Golden(const QString& name)
{
    return QImage(QString(TORSIVA_GOLDEN_DIR "/%1.png").arg(name))
        .convertToFormat(QImage::Format_RGB32);
}

struct NamedKind {
    CurveKind kind;
    const char* name;
};
constexpr NamedKind kKinds[] = {{CurveKind::Helix, "helix"},
                                {CurveKind::ConicalHelix, "conical"},
                                {CurveKind::SphericalHelix, "spherical"}};

std::vector<CanvasOp> OpsAt(double scale)
{
    RecordingCanvas canvas(PictureSide(scale), PictureSide(scale) + kRowsBelowPicture);
    FigureCache figures;
    ComposeFigure(canvas, figures, scale);
    return canvas.Ops();
}

} // namespace

TEST(ScaledPixelTest, ScaleOneIsTheUnscaledMapping)
{
    for (double u : {0.0, -0.0, 0.5, -83.3, 249.999, -250.0, 1e300, -1e300, kNaN, kInf, -kInf,
                     2147483397.5, -2147483898.9}) {
        const Pixel scaled = PixelOfPicture(u, -u, 1.0);
        EXPECT_EQ(scaled.x, TruncToPixel(250.0 + u)) << u;
        EXPECT_EQ(scaled.y, TruncToPixel(250.0 - -u)) << u;
    }
}

TEST(ScaledPixelTest, ScaledPixelsTruncateTowardZero)
{
    EXPECT_EQ(PixelOfPicture(-83.3, 83.3, 2.0), (Pixel{333, 333})); // 2·166.7 = 333.4
    EXPECT_EQ(PixelOfPicture(-300.0, 300.0, 2.0), (Pixel{-100, -100}));
    EXPECT_EQ(PixelOfPicture(-250.2, 250.2, 1.5), (Pixel{0, 0})); // −0.3 truncates to 0
    EXPECT_EQ(PixelOfPicture(250.0, -250.0, 1.5), (Pixel{750, 750}));
}

TEST(ScaledPixelTest, ScaledPixelsSaturateAndSendNotANumberFarOff)
{
    // In range at scale 1, beyond the 32-bit range once doubled.
    EXPECT_EQ(PixelOfPicture(1.5e9, 1.5e9, 1.0).x, 1500000250);
    EXPECT_EQ(PixelOfPicture(1.5e9, -1.5e9, 2.0), (Pixel{kMaxPixel, kMaxPixel}));
    EXPECT_EQ(PixelOfPicture(-1.5e9, 1.5e9, 2.0), (Pixel{kMinPixel, kMinPixel}));
    EXPECT_EQ(PixelOfPicture(kNaN, kNaN, 2.0), (Pixel{kMinPixel, kMinPixel}));
    EXPECT_EQ(PixelOfPicture(kInf, -kInf, 16.0), (Pixel{kMaxPixel, kMaxPixel}));
}

TEST(ScaledPixelTest, VectorLoopAgreesWithOnePoint)
{
    std::mt19937 random(9);
    std::uniform_real_distribution<double> coordinate(-3e9, 3e9);
    std::vector<double> u(301), v(301);
    for (size_t i = 0; i < u.size(); ++i) {
        u[i] = i % 3 ? coordinate(random) / double(1 << (i % 30)) : kNaN;
        v[i] = coordinate(random) / double(1 << (i % 31));
    }
    for (double scale : {0.25, 1.0, 1.5, 2.0, 16.0}) {
        std::vector<int32_t> px(u.size()), py(u.size());
        PixelsOfPictures(u.data(), v.data(), u.size(), scale, px.data(), py.data());
        for (size_t i = 0; i < u.size(); ++i)
            EXPECT_EQ((Pixel{px[i], py[i]}), PixelOfPicture(u[i], v[i], scale)) << i;
    }
}

TEST(PictureScaleTest, SidesAndDrawableScales)
{
    EXPECT_EQ(PictureSide(1.0), 500);
    EXPECT_EQ(PictureSide(1.5), 750);
    EXPECT_EQ(PictureSide(1.001), 500); // 500.4999…
    EXPECT_EQ(PictureSide(1.25), 625);
    EXPECT_EQ(PictureSide(16.0), 8000);
    EXPECT_EQ(PictureSide(1000.0), 8000);
    EXPECT_EQ(PictureSide(kNaN), 500);
    EXPECT_EQ(PictureSide(0.0), 125);
    for (double bad : {0.0, -1.0, 0.2499, 16.0001, kNaN, kInf, -kInf})
        EXPECT_FALSE(IsValidPictureScale(bad)) << bad;
    for (double good : {0.25, 1.0, 1.5, 16.0})
        EXPECT_TRUE(IsValidPictureScale(good)) << good;
}

using ScaledFigureTest = ViewTest;

TEST_F(ScaledFigureTest, ScaleOneMakesTheUnscaledOperations)
{
    for (NamedKind figure : kKinds) {
        SetDefaultView(figure.kind, 89);
        RecordingCanvas unscaled;
        ComposeFigure(unscaled);
        const std::vector<CanvasOp> scaled = OpsAt(1.0);
        ASSERT_EQ(scaled.size(), unscaled.Ops().size()) << figure.name;
        for (size_t i = 0; i < scaled.size(); ++i)
            ASSERT_EQ(FormatOp(scaled[i]), FormatOp(unscaled.Ops()[i])) << figure.name << i;
    }
}

// The same vertices at every scale: only the coordinates change, each within
// a pixel of the scale-1 pixel scaled (truncation loses less than one).
TEST_F(ScaledFigureTest, ScaledOperationsAreTheSameVerticesScaled)
{
    for (NamedKind figure : kKinds)
        for (double scale : {1.5, 2.0, 3.0}) {
            SetDefaultView(figure.kind);
            const std::vector<CanvasOp> one = OpsAt(1.0);
            const std::vector<CanvasOp> ops = OpsAt(scale);
            ASSERT_EQ(ops.size(), one.size()) << figure.name << scale;
            const int side = PictureSide(scale);
            EXPECT_EQ(FormatOp(ops[2]),
                      "rect 0 0 " + std::to_string(side) + " " + std::to_string(side));
            for (size_t i = 0; i < ops.size(); ++i) {
                ASSERT_EQ(ops[i].kind, one[i].kind);
                if (ops[i].kind != CanvasOp::Kind::Move && ops[i].kind != CanvasOp::Kind::Line)
                    continue;
                EXPECT_LE(std::abs(ops[i].a - scale * one[i].a), scale) << i;
                EXPECT_LE(std::abs(ops[i].b - scale * one[i].b), scale) << i;
            }
        }
}

TEST_F(ScaledFigureTest, FiguresAtScaleTwoMatchTheirGoldenPictures)
{
    for (NamedKind figure : kKinds) {
        SetDefaultView(figure.kind);
        Canvas canvas = Canvas::ForPicture(PictureSide(2.0));
        FigureCache figures;
        ComposeFigure(canvas, figures, 2.0);
        const QImage golden = Golden(QString(figure.name) + "-scale2");
        ASSERT_EQ(golden.size(), QSize(1000, 1000)) << figure.name;
        EXPECT_EQ(CanvasPictureView(canvas), golden) << figure.name;
    }
}

TEST_F(ScaledFigureTest, BorderLiesOnTheScaledSquaresEdges)
{
    Canvas canvas = Canvas::ForPicture(PictureSide(1.5));
    FigureCache figures;
    ComposeFigure(canvas, figures, 1.5);
    for (auto [x, y] : {std::pair{0, 0}, {749, 0}, {0, 749}, {749, 749}, {400, 749}})
        EXPECT_EQ(canvas.PixelAt(x, y), kBorderPen.colour) << x << "," << y;
    EXPECT_EQ(canvas.PixelAt(1, 1), kOpaqueBlack);
    EXPECT_EQ(canvas.PixelAt(748, 748), kOpaqueBlack);
    EXPECT_EQ(canvas.PixelAt(400, 750), kOpaqueBlack); // the rows below stay unpainted
}

TEST(PictureLayoutTest, PictureTakesTheLargestSquareThatKeepsTheMargins)
{
    EXPECT_EQ(PictureLayout::ForClient(764, 522).side, 500);
    EXPECT_EQ(PictureLayout::ForClient(1064, 722).side, 700); // the height decides
    EXPECT_EQ(PictureLayout::ForClient(900, 1200).side, 636); // the width decides
    // A small screen, 1280 × 1024 at ratio 2: a smaller picture, and the
    // bars move left with its edge but never shorten.
    const PictureLayout small = PictureLayout::ForClient(640, 512);
    EXPECT_EQ(small.side, 376);
    const LayoutRect bar = small.Bar({663, 11, 23, 265});
    EXPECT_EQ(bar.x, 539);
    EXPECT_EQ(bar.height, 265);
    EXPECT_EQ(PictureLayout::ForClient(100, 10).side, 1);
    const LayoutRect label = PictureLayout::ForClient(964, 722).BelowBars({668, 302, 86, 31});
    EXPECT_EQ(label.x, 868);
    EXPECT_EQ(label.y, 502);
}
