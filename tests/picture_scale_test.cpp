// SPDX-License-Identifier: MIT
#include <limits>

#include <gtest/gtest.h>

#include "render/picture_scale.h"

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

} // namespace

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
