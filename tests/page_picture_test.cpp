// SPDX-License-Identifier: MIT
// The page's picture: the bytes it hands the browser, the scale it draws at
// and what it does when memory runs short.
#include <algorithm>

#include <gtest/gtest.h>

#include "geometry/view_frame.h"
#include "render/draw_figure.h"
#include "web/page_picture.h"

namespace {

// What a fresh canvas shows of a framed view at a scale.
Canvas FreshPicture(const ViewState& view, double scale)
{
    Canvas canvas = Canvas::ForPicture(PictureSide(scale));
    FigureCache figures;
    ComposeFigure(canvas, figures, view, PictureMapping{scale});
    return canvas;
}

// The word a pixel's R, G, B, A bytes stand for.
uint32_t WordOf(const uint8_t* rgba)
{
    return uint32_t(rgba[3]) << 24 | uint32_t(rgba[0]) << 16 | uint32_t(rgba[1]) << 8 | rgba[2];
}

} // namespace

TEST(CanvasToRgbaTest, EachPenComesOutRedGreenBlueAlpha)
{
    // Two rows of three pixels, of which the 2 × 2 square is turned round.
    const uint32_t pixels[] = {0xFF0000FFu, 0xFF323232u, 0xFFFFFFFFu,
                               0xFF000000u, 0x80102030u, 0xFFABCDEFu};
    uint8_t rgba[4 * 4] = {};
    CanvasToRgba(pixels, 3, 2, rgba);
    const uint8_t expected[] = {0, 0, 0xFF, 0xFF, 0x32, 0x32, 0x32, 0xFF,  // row 0
                                0, 0, 0,    0xFF, 0x10, 0x20, 0x30, 0x80}; // row 1
    EXPECT_TRUE(std::equal(std::begin(rgba), std::end(rgba), std::begin(expected)));
}

TEST(PagePictureTest, DrawsWhatAFreshCanvasDrawsAtEachScale)
{
    PagePicture picture;
    EXPECT_FALSE(picture.HasPicture());
    EXPECT_EQ(picture.Side(), 0);
    EXPECT_EQ(picture.Rgba(), nullptr);
    for (double scale : {1.0, 2.0, 1.5, 1.0}) {
        for (CurveKind figure :
             {CurveKind::Helix, CurveKind::SphericalHelix, CurveKind::ConicalHelix}) {
            const ViewState view = Framed(DefaultView(figure, 89));
            picture.SetScale(scale);
            picture.Draw(view);
            const Canvas fresh = FreshPicture(view, scale);
            ASSERT_EQ(picture.Side(), fresh.Width()) << scale;
            const uint8_t* rgba = picture.Rgba();
            int differing = 0;
            for (int y = 0; y < fresh.Width(); ++y)
                for (int x = 0; x < fresh.Width(); ++x)
                    differing +=
                        WordOf(rgba + 4 * (size_t(y) * fresh.Width() + x)) != fresh.PixelAt(x, y);
            EXPECT_EQ(differing, 0) << scale;
        }
    }
    EXPECT_EQ(picture.Redraws(), 12u);
}

TEST(PagePictureTest, ScalesAreHeldToTheDrawableRange)
{
    PagePicture picture;
    picture.SetScale(0.01);
    EXPECT_EQ(picture.Scale(), kMinPictureScale);
    picture.Draw(Framed(DefaultView(CurveKind::Helix)));
    EXPECT_EQ(picture.Side(), 125);
    picture.SetScale(-1.0 / 0.0);
    EXPECT_EQ(picture.Scale(), kMinPictureScale);
    picture.SetScale(0.0 / 0.0);
    EXPECT_EQ(picture.Scale(), 1.0);
    picture.SetScale(100.0); // a screen's ratio of 100 on a 500-pixel picture
    EXPECT_EQ(picture.Scale(), kMaxPictureScale);
}

// The test program has 384 MB of memory at most (tests/CMakeLists.txt): the
// largest picture and its bytes need 512 MB, so it comes at scale 8, and
// nothing is thrown or aborted on the way.
TEST(PagePictureTest, APictureTooLargeForTheMemoryIsDrawnSmaller)
{
    PagePicture picture;
    picture.SetScale(kMaxPictureScale);
    const ViewState view = Framed(DefaultView(CurveKind::SphericalHelix));
    picture.Draw(view);
    ASSERT_TRUE(picture.HasPicture());
    EXPECT_EQ(picture.DrawnScale(), 8.0);
    EXPECT_EQ(picture.Side(), 4000);
    EXPECT_EQ(WordOf(picture.Rgba()), kBorderPen.colour);
    // Drawn again at the same scale, it is not asked for twice.
    picture.Draw(view);
    EXPECT_EQ(picture.DrawnScale(), 8.0);
    // Back at scale 1 the memory is free again.
    picture.SetScale(1.0);
    picture.Draw(view);
    EXPECT_EQ(picture.Side(), 500);
}
