// SPDX-License-Identifier: MIT
// The page's flat picture: the desktop's pixels in the browser's byte order,
// drawn again only for another figure, angle, scale or line style, and
// drawn with every redraw of a page that shows it.
#include <gtest/gtest.h>

#include "web/page.h"
#include "web/page_api.h"

namespace {

// The 0xAARRGGBB word of a pixel's R, G, B, A bytes.
uint32_t WordOf(const uint8_t* rgba)
{
    return uint32_t(rgba[3]) << 24 | uint32_t(rgba[0]) << 16 | uint32_t(rgba[1]) << 8 | rgba[2];
}

int DifferingFromFresh(const PageFlatPicture& flat, CurveKind figure, int angleDeg,
                       PictureMapping mapping)
{
    Canvas fresh = Canvas::ForPicture(PictureSide(mapping.scale));
    FlatCache cache;
    ComposeFlatPicture(fresh, cache, figure, angleDeg, mapping);
    if (flat.Side() != fresh.Width())
        return -1;
    int differing = 0;
    for (int y = 0; y < fresh.Width(); ++y)
        for (int x = 0; x < fresh.Width(); ++x)
            differing +=
                WordOf(flat.Rgba() + 4 * (size_t(y) * fresh.Width() + x)) != fresh.PixelAt(x, y);
    return differing;
}

} // namespace

TEST(PageFlatPictureTest, DrawsTheDesktopsPixelsOnlyWhenSomethingChanged)
{
    PageFlatPicture flat;
    EXPECT_FALSE(flat.HasPicture());
    EXPECT_EQ(flat.Rgba(), nullptr);
    const PictureMapping exact{1.0, LineStyle::Exact};
    flat.Show(CurveKind::ConicalHelix, 60, exact);
    EXPECT_EQ(DifferingFromFresh(flat, CurveKind::ConicalHelix, 60, exact), 0);
    flat.Show(CurveKind::ConicalHelix, 60, exact);
    EXPECT_EQ(flat.Redraws(), 1u);
    const PictureMapping smooth{2.0, LineStyle::Smooth};
    for (auto [figure, angle] : {std::pair{CurveKind::ConicalHelix, 61},
                                 std::pair{CurveKind::Helix, 61},
                                 {CurveKind::SphericalHelix, 0}}) {
        flat.Show(figure, angle, smooth);
        EXPECT_EQ(DifferingFromFresh(flat, figure, angle, smooth), 0) << angle;
    }
    EXPECT_EQ(flat.Redraws(), 4u);
}

TEST(PageFlatPictureTest, APageShowsItWithItsRedrawsAtTheFiguresScale)
{
    Page* page = torsiva_page_new();
    torsiva_set_flat(page, 1);
    EXPECT_EQ(torsiva_flat_side(page), 0); // no figure drawn yet
    torsiva_set_picture(page, 2.0, 0);
    torsiva_curve_button(page, 1);
    EXPECT_EQ(torsiva_flat_side(page), 1000);
    EXPECT_EQ(torsiva_flat_redraws(page), 1.0);
    torsiva_orbit_key(page, 0); // the eye turns, the development stays
    torsiva_scroll(page, 1, 0);
    EXPECT_EQ(torsiva_flat_redraws(page), 1.0);
    torsiva_scroll(page, 0, 0);
    EXPECT_EQ(torsiva_flat_redraws(page), 2.0);
    torsiva_set_flat(page, 0); // hidden: no longer drawn
    torsiva_scroll(page, 0, 0);
    EXPECT_EQ(torsiva_flat_redraws(page), 2.0);
    torsiva_set_flat(page, 1); // shown again: brought up to date at once
    EXPECT_EQ(torsiva_flat_redraws(page), 3.0);
    torsiva_page_delete(page);
}
