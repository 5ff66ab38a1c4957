// SPDX-License-Identifier: MIT
// The page's picture: the bytes it hands the browser, the scale it draws at
// and what it does when memory runs short.
#include <gtest/gtest.h>

#include "geometry/view_frame.h"
#include "render/draw_figure.h"
#include "web/page_picture.h"

namespace {

// What a fresh canvas shows of a framed view.
Canvas FreshPicture(const ViewState& view, PictureMapping mapping)
{
    Canvas canvas = Canvas::ForPicture(PictureSide(mapping.scale));
    FigureCache figures;
    ComposeFigure(canvas, figures, view, mapping);
    return canvas;
}

// The 0xAARRGGBB word of a pixel's R, G, B, A bytes.
uint32_t WordOf(const uint8_t* rgba)
{
    return uint32_t(rgba[3]) << 24 | uint32_t(rgba[0]) << 16 | uint32_t(rgba[1]) << 8 | rgba[2];
}

} // namespace

TEST(SwapRedBlueTest, SwapsTheOuterBytesOfTheColour)
{
    EXPECT_EQ(SwapRedBlue(0xFF0000FFu), 0xFFFF0000u);
    EXPECT_EQ(SwapRedBlue(0x80102030u), 0x80302010u);
    EXPECT_EQ(SwapRedBlue(SwapRedBlue(0x12345678u)), 0x12345678u);
}

// Both line styles: smooth lines blend the swapped colours and must come
// out as the desktop's blend of the true ones.
TEST(PagePictureTest, DrawsWhatAFreshCanvasDrawsAtEachScale)
{
    PagePicture picture;
    EXPECT_FALSE(picture.HasPicture());
    EXPECT_EQ(picture.Side(), 0);
    EXPECT_EQ(picture.Rgba(), nullptr);
    for (LineStyle lines : {LineStyle::Exact, LineStyle::Smooth})
        for (double scale : {1.0, 2.0, 1.5, 1.0}) {
            for (CurveKind figure :
                 {CurveKind::Helix, CurveKind::SphericalHelix, CurveKind::ConicalHelix}) {
                const ViewState view = Framed(DefaultView(figure, 89));
                picture.SetScale(scale);
                picture.SetLineStyle(lines);
                picture.Draw(view);
                const Canvas fresh = FreshPicture(view, PictureMapping{scale, lines});
                ASSERT_EQ(picture.Side(), fresh.Width()) << scale;
                const uint8_t* rgba = picture.Rgba();
                int differing = 0;
                for (int y = 0; y < fresh.Width(); ++y)
                    for (int x = 0; x < fresh.Width(); ++x)
                        differing += WordOf(rgba + 4 * (size_t(y) * fresh.Width() + x)) !=
                                     fresh.PixelAt(x, y);
                EXPECT_EQ(differing, 0) << scale;
            }
        }
    EXPECT_EQ(picture.Redraws(), 24u);
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

// The test program has 192 MB of memory at most (tests/CMakeLists.txt): the
// largest picture needs 256 MB, so it comes at scale 8, and nothing is
// thrown or aborted on the way.
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
