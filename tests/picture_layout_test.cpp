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
