// SPDX-License-Identifier: MIT
// Smooth lines: the weights Wu's walk gives, worked out by hand for lines
// along the pixel rows, and the symmetries every line keeps (reversed, or
// transposed into a steep one); then the pen blended on a canvas.
#include <algorithm>
#include <limits>
#include <map>
#include <random>
#include <tuple>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "render/canvas.h"
#include "render/smooth_line.h"

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

using Plot = std::tuple<int64_t, int64_t, double>; // x, y, coverage

// Every plot of the walk of a segment, sorted, as the order is the walk's
// own affair.
std::vector<Plot> WalkPlots(const WuSegment& segment)
{
    std::vector<Plot> plots;
    WalkWuSegment(segment, [&](int64_t x, int64_t y, double coverage) {
        plots.emplace_back(x, y, coverage);
    });
    std::sort(plots.begin(), plots.end());
    return plots;
}

// The plots of the line from (x0, y0) to (x1, y1), in canvas coordinates,
// cut to a 40 × 40 canvas.
std::vector<Plot> Plots(double x0, double y0, double x1, double y1)
{
    const std::optional<WuSegment> segment = CutSmoothLine(x0, y0, x1, y1, 40, 40);
    return segment ? WalkPlots(*segment) : std::vector<Plot>{};
}

// The weight each pixel gets, summed over the walk; pixels of no weight left
// out.
std::map<std::pair<int64_t, int64_t>, double> Weights(double x0, double y0, double x1, double y1)
{
    std::map<std::pair<int64_t, int64_t>, double> weights;
    for (auto [x, y, coverage] : Plots(x0, y0, x1, y1))
        if (coverage > 0.0)
            weights[{x, y}] += coverage;
    return weights;
}

} // namespace

// A line from a quarter into pixel 2 to a quarter into pixel 10, a quarter
// of a pixel below the centres of row 5: each column splits its weight
// 3 : 1 between rows 5 and 6, and the end columns carry only the part of
// them the line covers, three quarters and one quarter.
TEST(SmoothLineTest, EndsAreWeightedByThePartOfTheirColumnTheyCover)
{
    std::map<std::pair<int64_t, int64_t>, double> expected;
    for (int64_t x = 2; x <= 10; ++x) {
        const double covered = x == 2 ? 0.75 : x == 10 ? 0.25 : 1.0;
        expected[{x, 5}] = 0.75 * covered;
        expected[{x, 6}] = 0.25 * covered;
    }
    EXPECT_EQ(Weights(2.25, 5.75, 10.25, 5.75), expected);
}

// A line exactly one pixel long, from its left edge to its right one,
// through the centres of its row, covers that pixel whole and no other;
// half a pixel long, across the edge of two, it covers a quarter of each.
TEST(SmoothLineTest, VeryShortLinesCoverTheirPartOfEachPixel)
{
    using Weighted = std::map<std::pair<int64_t, int64_t>, double>;
    EXPECT_EQ(Weights(4.0, 5.5, 5.0, 5.5), (Weighted{{{4, 5}, 1.0}}));
    EXPECT_EQ(Weights(7.5, 12.0, 7.5, 13.0), (Weighted{{{7, 12}, 1.0}})) << "steep";
    EXPECT_EQ(Weights(4.75, 5.5, 5.25, 5.5), (Weighted{{{4, 5}, 0.25}, {{5, 5}, 0.25}}));
    EXPECT_EQ(Weights(9.5, 3.25, 9.5, 2.75), (Weighted{{{9, 2}, 0.25}, {{9, 3}, 0.25}}))
        << "steep and upwards";
}

// Each column between the ends shares a whole pixel between its two rows,
// and each end column the part of it the line covers: a line's weights add
// up to its length along its major axis, for long lines and for lines
// shorter than a pixel that cross from one column into the next.
TEST(SmoothLineTest, WeightsAddUpToTheLengthAlongTheMajorAxis)
{
    std::mt19937 random(3);
    std::uniform_real_distribution<double> coordinate(2.0, 38.0), step(-1.5, 1.5);
    int checked = 0;
    for (int i = 0; i < 400; ++i) {
        const double x0 = coordinate(random), y0 = coordinate(random);
        const bool shortLine = i % 2 == 0;
        const double x1 = shortLine ? std::clamp(x0 + step(random), 2.0, 38.0) : coordinate(random);
        const double y1 = shortLine ? std::clamp(y0 + step(random), 2.0, 38.0) : coordinate(random);
        const bool steep = std::abs(y1 - y0) > std::abs(x1 - x0);
        const double from = steep ? y0 : x0, to = steep ? y1 : x1;
        // Both ends in one column get both end weights there: left out.
        if (std::round(from - 0.5) == std::round(to - 0.5))
            continue;
        double total = 0.0;
        for (auto [x, y, coverage] : Plots(x0, y0, x1, y1))
            total += coverage;
        EXPECT_NEAR(total, std::abs(to - from), 1e-9)
            << x0 << "," << y0 << " to " << x1 << "," << y1;
        ++checked;
    }
    EXPECT_GT(checked, 300);
}

// Walked from its other end, a segment covers the same pixels with the same
// weights; transposed, so that a shallow segment becomes a steep one, it
// covers the transposed pixels.
TEST(SmoothLineTest, ReversedAndSteepLinesAreTheSameLine)
{
    std::mt19937 random(11);
    std::uniform_real_distribution<double> coordinate(-3.0, 43.0);
    for (int i = 0; i < 300; ++i) {
        const double x0 = coordinate(random), y0 = coordinate(random);
        const double x1 = coordinate(random), y1 = coordinate(random);
        const std::vector<Plot> plots = WalkPlots({x0, y0, x1, y1});
        ASSERT_EQ(WalkPlots({x1, y1, x0, y0}), plots)
            << x0 << "," << y0 << " to " << x1 << "," << y1;
        std::vector<Plot> transposed;
        for (auto [x, y, coverage] : plots)
            transposed.emplace_back(y, x, coverage);
        std::sort(transposed.begin(), transposed.end());
        ASSERT_EQ(WalkPlots({y0, x0, y1, x1}), transposed)
            << x0 << "," << y0 << " to " << x1 << "," << y1;
    }
}

TEST(SmoothLineTest, CutKeepsWhatCanShowOnTheCanvas)
{
    // Inside: only moved to pixel-centre coordinates.
    const std::optional<WuSegment> inside = CutSmoothLine(3.0, 4.0, 10.5, 20.0, 40, 40);
    ASSERT_TRUE(inside);
    EXPECT_EQ(std::tie(inside->x0, inside->y0, inside->x1, inside->y1),
              std::make_tuple(2.5, 3.5, 10.0, 19.5));
    // Far ends are cut where the line leaves a box two pixels beyond the
    // canvas on each side.
    const std::optional<WuSegment> across = CutSmoothLine(1e7, 8.5, -1e7, 8.5, 40, 30);
    ASSERT_TRUE(across);
    EXPECT_NEAR(across->x0, 41.0, 1e-6);
    EXPECT_NEAR(across->x1, -2.0, 1e-6);
    EXPECT_EQ(across->y0, 8.0);
    EXPECT_EQ(across->y1, 8.0);
    EXPECT_FALSE(CutSmoothLine(-50.0, -50.0, -10.0, 30.0, 40, 40)) << "misses the canvas";
    EXPECT_FALSE(CutSmoothLine(kNaN, 3.0, 10.0, 3.0, 40, 40));
}

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
