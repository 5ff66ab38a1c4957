// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "controls/picture_layout.h"

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

TEST(PictureLayoutTest, FlatPictureStandsBesideThePictureAndTheControlsRightOfBoth)
{
    // Widened by the flat picture and its gap: both keep 500.
    const PictureLayout wide = PictureLayout::ForClient(764 + 510, 522, true);
    EXPECT_EQ(wide.side, 500);
    const LayoutRect flat = wide.FlatPicture();
    EXPECT_EQ(flat.x, 150 + 500 + kFlatPictureGap);
    EXPECT_EQ(flat.y, 10);
    EXPECT_EQ(flat.width, 500);
    EXPECT_EQ(wide.Bar({663, 11, 23, 265}).x, 663 + 510);
    EXPECT_EQ(wide.Bar({663, 11, 23, 265}).height, 265);
    // Not widened: the two share the width, and the bars keep their length.
    const PictureLayout shared = PictureLayout::ForClient(764, 522, true);
    EXPECT_EQ(shared.side, (764 - 264 - 10) / 2);
    EXPECT_EQ(shared.FlatPicture().x, 150 + 245 + 10);
    EXPECT_EQ(shared.Bar({663, 11, 23, 265}).x, 663 + (2 * 245 + 10 - 500));
    EXPECT_EQ(shared.Bar({663, 11, 23, 265}).height, 265);
    EXPECT_EQ(shared.BelowBars({668, 302, 86, 31}).y, 302);
    // Off, the layout is the one without it.
    EXPECT_EQ(PictureLayout::ForClient(764, 522, false).Shift(), 0);
    EXPECT_EQ(PictureLayout::ForClient(200, 522, true).side, 1);
}
