// SPDX-License-Identifier: MIT
// Whole pictures: the background, and each figure at the defaults held
// against committed golden images, pixel for pixel.
#include <QImage>
#include <QString>

#include "render/draw_figure.h"
#include "test_support.h"

namespace {

constexpr uint32_t kWhite = 0xFFFFFFFFu;

QImage PictureOf(const Canvas& canvas)
{
    return QImage(reinterpret_cast<const uchar*>(canvas.Bits()), kPictureSize, kPictureSize,
                  canvas.Width() * 4, QImage::Format_RGB32)
        .copy();
}

QImage Golden(const char* name)
{
    return QImage(QString(TORSIVA_GOLDEN_DIR "/%1.png").arg(name))
        .convertToFormat(QImage::Format_RGB32);
}

int DifferingPixels(const QImage& a, const QImage& b)
{
    int count = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            count += a.pixel(x, y) != b.pixel(x, y);
    return count;
}

} // namespace

using DrawFigureTest = ViewTest;

TEST_F(DrawFigureTest, NoFigureGivesTheBorderedBlackSquare)
{
    Canvas canvas;
    ComposeFigure(canvas); // start-of-run state: no figure, no usable frame
    for (auto [x, y] : {std::pair{0, 0}, {499, 0}, {0, 499}, {499, 499}})
        EXPECT_EQ(canvas.PixelAt(x, y), kWhite);
    int painted = 0;
    for (int y = 1; y < 499; ++y)
        for (int x = 1; x < 499; ++x)
            painted += canvas.PixelAt(x, y) != kOpaqueBlack;
    EXPECT_EQ(painted, 0);
}

TEST_F(DrawFigureTest, UnknownCurveKindDrawsNoFigure)
{
    SetDefaultView(static_cast<CurveKind>(7));
    Canvas canvas;
    ComposeFigure(canvas);
    EXPECT_EQ(canvas.PixelAt(250, 250), kOpaqueBlack);
    EXPECT_EQ(canvas.PixelAt(1, 1), kOpaqueBlack);
}

TEST_F(DrawFigureTest, DrawFigureHandsOverOneFinishedPicture)
{
    SetDefaultView(CurveKind::Helix);
    int copies = 0;
    QImage shown;
    FigureCache figures;
    DrawFigure(figures, [&](Canvas&& canvas) {
        ++copies;
        shown = PictureOf(canvas);
    });
    EXPECT_EQ(copies, 1);
    EXPECT_EQ(DifferingPixels(shown, Golden("helix")), 0);
}

TEST_F(DrawFigureTest, FiguresMatchTheirGoldenPictures)
{
    for (auto [figure, name] : {std::pair{CurveKind::Helix, "helix"},
                                {CurveKind::ConicalHelix, "conical"},
                                {CurveKind::SphericalHelix, "spherical"}}) {
        SetDefaultView(figure);
        Canvas canvas;
        ComposeFigure(canvas);
        const QImage golden = Golden(name);
        ASSERT_EQ(golden.size(), QSize(500, 500)) << name;
        EXPECT_EQ(DifferingPixels(PictureOf(canvas), golden), 0) << name;
    }
}
