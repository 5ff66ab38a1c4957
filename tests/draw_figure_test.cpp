// SPDX-License-Identifier: MIT
// Whole pictures: the background, each figure at the defaults held against
// committed golden images pixel for pixel, at scale 1 and 2, and the
// operations a scaled redraw makes.
#include <string>
#include <vector>

#include <QImage>
#include <QString>

#include "golden_pictures.h"
#include "render/draw_figure.h"
#include "render/recording_canvas.h"
#include "test_support.h"

namespace {

constexpr uint32_t kWhite = 0xFFFFFFFFu;

struct NamedKind {
    CurveKind kind;
    const char* name;
};
constexpr NamedKind kKinds[] = {{CurveKind::Helix, "helix"},
                                {CurveKind::ConicalHelix, "conical"},
                                {CurveKind::SphericalHelix, "spherical"}};

PictureMapping ScaleOf(double scale) { return PictureMapping{scale, LineStyle::Exact}; }

// The operations of one redraw of a framed view at a scale.
std::vector<CanvasOp> OpsAt(const ViewState& view, double scale)
{
    RecordingCanvas canvas(PictureSide(scale), PictureSide(scale) + kRowsBelowPicture);
    FigureCache figures;
    ComposeFigure(canvas, figures, view, ScaleOf(scale));
    return canvas.Ops();
}

} // namespace

TEST(DrawFigureTest, NoFigureGivesTheBorderedBlackSquare)
{
    Canvas canvas;
    FigureCache figures;
    ComposeFigure(canvas, figures, Framed(ViewState{})); // start of a run: no figure, no frame
    for (auto [x, y] : {std::pair{0, 0}, {499, 0}, {0, 499}, {499, 499}})
        EXPECT_EQ(canvas.PixelAt(x, y), kWhite);
    int painted = 0;
    for (int y = 1; y < 499; ++y)
        for (int x = 1; x < 499; ++x)
            painted += canvas.PixelAt(x, y) != kOpaqueBlack;
    EXPECT_EQ(painted, 0);
}

TEST(DrawFigureTest, UnknownCurveKindDrawsNoFigure)
{
    Canvas canvas;
    FigureCache figures;
    ComposeFigure(canvas, figures, Framed(DefaultView(static_cast<CurveKind>(7))));
    EXPECT_EQ(canvas.PixelAt(250, 250), kOpaqueBlack);
    EXPECT_EQ(canvas.PixelAt(1, 1), kOpaqueBlack);
}

TEST(DrawFigureTest, FiguresMatchTheirGoldenPictures)
{
    for (NamedKind figure : kKinds) {
        Canvas canvas;
        FigureCache figures;
        ComposeFigure(canvas, figures, Framed(DefaultView(figure.kind)));
        const QImage golden = Golden(figure.name);
        ASSERT_EQ(golden.size(), QSize(500, 500)) << figure.name;
        EXPECT_EQ(DifferingPixels(CanvasPictureView(canvas), golden), 0) << figure.name;
    }
}

TEST(ScaledFigureTest, ScaleOneMakesTheUnscaledOperations)
{
    for (NamedKind figure : kKinds) {
        const ViewState view = Framed(DefaultView(figure.kind, 89));
        RecordingCanvas unscaled;
        FigureCache figures;
        ComposeFigure(unscaled, figures, view);
        const std::vector<CanvasOp> scaled = OpsAt(view, 1.0);
        ASSERT_EQ(scaled.size(), unscaled.Ops().size()) << figure.name;
        for (size_t i = 0; i < scaled.size(); ++i)
            ASSERT_EQ(FormatOp(scaled[i]), FormatOp(unscaled.Ops()[i])) << figure.name << i;
    }
}

// The same vertices at every scale: only the coordinates change, each within
// a pixel of the scale-1 pixel scaled (truncation loses less than one).
TEST(ScaledFigureTest, ScaledOperationsAreTheSameVerticesScaled)
{
    for (NamedKind figure : kKinds)
        for (double scale : {1.5, 2.0, 3.0}) {
            const ViewState view = Framed(DefaultView(figure.kind));
            const std::vector<CanvasOp> one = OpsAt(view, 1.0);
            const std::vector<CanvasOp> ops = OpsAt(view, scale);
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

TEST(ScaledFigureTest, FiguresAtScaleTwoMatchTheirGoldenPictures)
{
    for (NamedKind figure : kKinds) {
        Canvas canvas = Canvas::ForPicture(PictureSide(2.0));
        FigureCache figures;
        ComposeFigure(canvas, figures, Framed(DefaultView(figure.kind)), ScaleOf(2.0));
        const QImage golden = Golden(QString(figure.name) + "-scale2");
        ASSERT_EQ(golden.size(), QSize(1000, 1000)) << figure.name;
        EXPECT_EQ(CanvasPictureView(canvas), golden) << figure.name;
    }
}

TEST(ScaledFigureTest, BorderLiesOnTheScaledSquaresEdges)
{
    Canvas canvas = Canvas::ForPicture(PictureSide(1.5));
    FigureCache figures;
    ComposeFigure(canvas, figures, ViewState{}, ScaleOf(1.5));
    for (auto [x, y] : {std::pair{0, 0}, {749, 0}, {0, 749}, {749, 749}, {400, 749}})
        EXPECT_EQ(canvas.PixelAt(x, y), kBorderPen.colour) << x << "," << y;
    EXPECT_EQ(canvas.PixelAt(1, 1), kOpaqueBlack);
    EXPECT_EQ(canvas.PixelAt(748, 748), kOpaqueBlack);
    EXPECT_EQ(canvas.PixelAt(400, 750), kOpaqueBlack); // the rows below stay unpainted
}

// Smooth lines blend by coverage: one picture of them, held against its
// golden, catches any change to the weights, the ends or the cut to the canvas.
TEST(ScaledFigureTest, SmoothFigureAtScaleTwoMatchesItsGoldenPicture)
{
    Canvas canvas = Canvas::ForPicture(PictureSide(2.0));
    FigureCache figures;
    ComposeFigure(canvas, figures, Framed(DefaultView(CurveKind::ConicalHelix)),
                  PictureMapping{2.0, LineStyle::Smooth});
    const QImage golden = Golden("conical-smooth-scale2");
    ASSERT_EQ(golden.size(), QSize(1000, 1000));
    EXPECT_EQ(DifferingPixels(CanvasPictureView(canvas), golden), 0);
}
