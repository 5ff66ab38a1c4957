// SPDX-License-Identifier: MIT
// The picture at a device scale: the scaled pixel mapping, the goldens at
// scale 2, the operations a scaled redraw makes, and a canvas kept from one
// redraw to the next giving what a fresh canvas gives.
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

// One canvas kept over many redraws, as the window keeps it, against a fresh
// canvas for each: views that send lines far off the canvas, every figure,
// both line styles.
TEST_F(ScaledFigureTest, KeptCanvasDrawsWhatAFreshCanvasDraws)
{
    std::mt19937 random(20261208);
    std::uniform_real_distribution<double> coordinate(-400.0, 400.0);
    for (double scale : {1.0, 2.0}) {
        const int side = PictureSide(scale);
        Canvas kept = Canvas::ForPicture(side);
        FigureCache keptFigures;
        for (int redraw = 0; redraw < 40; ++redraw) {
            SetDefaultView(kKinds[redraw % 3].kind, 2 + redraw * 2);
            View().eye = {coordinate(random), coordinate(random), coordinate(random)};
            View().zoom = redraw % 4 == 0 ? 100.0 : 50.0;
            const PictureMapping mapping{scale,
                                         redraw % 5 == 4 ? LineStyle::Smooth : LineStyle::Exact};
            const ViewState before = View();
            ComposeFigure(kept, keptFigures, mapping);
            View() = before;
            Canvas fresh = Canvas::ForPicture(side);
            FigureCache figures;
            ComposeFigure(fresh, figures, mapping);
            ASSERT_EQ(CanvasPictureView(kept), CanvasPictureView(fresh))
                << "scale " << scale << ", redraw " << redraw;
        }
    }
}

// The rectangle drawn again puts back only what was drawn over it; the
// result must still be the rectangle, and nothing outside it may change.
// Rounds of a few lines are put back line by line; rounds of many lines run
// past what the canvas keeps track of, and the rectangle is painted whole.
// One canvas goes through both, one after the other, so that each round
// starts from what the last one left.
TEST(KeptCanvasTest, RepeatedRectangleRepaintsAllThatWasDrawnInside)
{
    std::mt19937 random(7);
    std::uniform_int_distribution<int32_t> near(-80, 380), far(-2000000000, 2000000000);
    const Pen red{"red", 0xFFFF0000u}, green{"green", 0xFF00FF00u};
    for (auto [l, t, r, b] : {std::array{0, 0, 300, 300}, {37, 21, 250, 283}, {-5, -9, 400, 400}}) {
        Canvas kept(300, 302);
        kept.SelectPen(red);
        kept.SelectFill(0xFF000010u);
        kept.Rectangle(l, t, r, b);
        Canvas fresh(300, 302);
        fresh.SelectPen(red);
        fresh.SelectFill(0xFF000010u);
        fresh.Rectangle(l, t, r, b);
        for (int lines : {12, 300, 40, 12, 1000, 8}) {
            kept.SelectPen(green);
            for (int i = 0; i < lines; ++i) {
                if (i % 50 == 0)
                    kept.MoveTo(far(random), far(random));
                kept.LineTo(near(random), near(random));
                if (i % 7 == 0)
                    kept.SmoothLine(near(random) + 0.3, near(random) + 0.7, near(random),
                                    near(random));
            }
            std::vector<uint32_t> drawn(kept.Bits(), kept.Bits() + 300 * 302);
            kept.SelectPen(red);
            kept.Rectangle(l, t, r, b);
            for (int y = 0; y < 302; ++y)
                for (int x = 0; x < 300; ++x) {
                    const bool inside = x >= l && x < r && y >= t && y < b;
                    ASSERT_EQ(kept.PixelAt(x, y), inside ? fresh.PixelAt(x, y) : drawn[y * 300 + x])
                        << x << "," << y << " in " << l << "," << t << "," << r << "," << b
                        << " after " << lines << " lines";
                }
        }
    }
}

// Lines from a polyline and lines one at a time, short ones along the
// outline and through its corners among them, all put back exactly. The
// canvas is larger than the rectangle, so that these few lines are put back
// one by one rather than by painting the rectangle whole.
TEST(KeptCanvasTest, LinesOnTheOutlineArePutBack)
{
    const Pen white{"white", 0xFFFFFFFFu}, blue{"blue", 0xFF0000FFu};
    Canvas kept(80, 82), fresh(80, 82);
    for (Canvas* canvas : {&kept, &fresh}) {
        canvas->SelectPen(white);
        canvas->Rectangle(0, 0, 40, 40);
    }
    kept.SelectPen(blue);
    const int32_t xs[] = {0, 5, 39, 39, 39, 39, 20, 1, 1, 38, 20, -3, 20, 45};
    const int32_t ys[] = {0, 1, 0, 5, 30, 39, 38, 38, 1, 1, 41, 20, 20, 39};
    kept.Polyline(xs, ys, std::size(xs));
    kept.MoveTo(2, 2);
    for (auto [x, y] :
         {std::pair{3, 2}, {38, 38}, {39, 39}, {0, 39}, {0, 0}, {0, 3}, {0, 36}, {2, 39}, {37, 39}})
        kept.LineTo(x, y);
    kept.SelectPen(white);
    kept.Rectangle(0, 0, 40, 40);
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 40; ++x)
            ASSERT_EQ(kept.PixelAt(x, y), fresh.PixelAt(x, y)) << x << "," << y;
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
