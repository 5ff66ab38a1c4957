// SPDX-License-Identifier: MIT
// Smooth lines: the pen blended by the weights of Wu's walk.
#include <limits>
#include <vector>

#include <gtest/gtest.h>

#include "render/canvas.h"

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

} // namespace

TEST(SmoothLineTest, BlendsThePenByCoverage)
{
    Canvas canvas(20, 20);
    canvas.SelectPen({"white", 0xFFFFFFFFu});
    // Along row 5, through the pixel centres: full cover, nothing beside.
    canvas.SmoothLine(2.0, 5.5, 15.0, 5.5);
    EXPECT_EQ(canvas.PixelAt(8, 5), 0xFFFFFFFFu);
    EXPECT_EQ(canvas.PixelAt(8, 4), kOpaqueBlack);
    EXPECT_EQ(canvas.PixelAt(8, 6), kOpaqueBlack);
    // Along the border of rows 10 and 11: half on each.
    canvas.SmoothLine(2.0, 11.0, 15.0, 11.0);
    EXPECT_EQ(canvas.PixelAt(8, 10), 0xFF808080u);
    EXPECT_EQ(canvas.PixelAt(8, 11), 0xFF808080u);
    // Not finite, or wholly off the canvas: nothing.
    const std::vector<uint32_t> before(canvas.Bits(), canvas.Bits() + 400);
    canvas.SmoothLine(kNaN, 3.0, 10.0, 3.0);
    canvas.SmoothLine(-kInf, 3.0, 10.0, 3.0);
    canvas.SmoothLine(-50.0, -50.0, -10.0, 30.0);
    canvas.SmoothLine(-1.7e308, 3.0, 1.7e308, 3.0); // their distance overflows
    EXPECT_EQ(std::vector<uint32_t>(canvas.Bits(), canvas.Bits() + 400), before);
    // Far ends are cut to the canvas: a line across it still shows.
    canvas.SmoothLine(-1e7, 15.5, 1e7, 15.5);
    EXPECT_EQ(canvas.PixelAt(0, 15), 0xFFFFFFFFu);
    EXPECT_EQ(canvas.PixelAt(19, 15), 0xFFFFFFFFu);
}
