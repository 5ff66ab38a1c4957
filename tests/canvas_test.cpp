// SPDX-License-Identifier: MIT
#include <cstdint>
#include <limits>
#include <optional>
#include <random>
#include <vector>

#include <gtest/gtest.h>

#include "line_reference.h"
#include "render/canvas.h"

namespace {

constexpr uint32_t kWhite = 0xFFFFFFFFu;
constexpr uint32_t kBlue = 0xFF0000FFu;
constexpr int32_t kMin = std::numeric_limits<int32_t>::min();
constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
const Pen kTestPen{"test", kWhite};

int CountPainted(const Canvas& canvas)
{
    int count = 0;
    for (int y = 0; y < canvas.Height(); ++y)
        for (int x = 0; x < canvas.Width(); ++x)
            count += canvas.PixelAt(x, y) != kOpaqueBlack;
    return count;
}

Canvas Line(int32_t x0, int32_t y0, int32_t x1, int32_t y1, int width = kCanvasWidth,
            int height = kCanvasHeight)
{
    Canvas canvas(width, height);
    canvas.SelectPen(kTestPen);
    canvas.MoveTo(x0, y0);
    canvas.LineTo(x1, y1);
    return canvas;
}

// A canvas with one rectangle, outlined with a white pen and filled in blue.
Canvas RectangleOn(int32_t left, int32_t top, int32_t right, int32_t bottom)
{
    Canvas canvas;
    canvas.SelectPen(kTestPen);
    canvas.SelectFill(kBlue);
    canvas.Rectangle(left, top, right, bottom);
    return canvas;
}

// The same line on a canvas three times as large, its window at (width, height)
// standing where the small canvas stands: there the line needs no clipping.
bool MatchesUnclippedLine(int32_t x0, int32_t y0, int32_t x1, int32_t y1)
{
    const Canvas small = Line(x0, y0, x1, y1);
    const Canvas large = Line(x0 + kCanvasWidth, y0 + kCanvasHeight, x1 + kCanvasWidth,
                              y1 + kCanvasHeight, 3 * kCanvasWidth, 3 * kCanvasHeight);
    for (int y = 0; y < kCanvasHeight; ++y)
        for (int x = 0; x < kCanvasWidth; ++x)
            if (small.PixelAt(x, y) != large.PixelAt(x + kCanvasWidth, y + kCanvasHeight))
                return false;
    return true;
}

bool MatchesReference(int32_t x0, int32_t y0, int32_t x1, int32_t y1)
{
    const Canvas canvas = Line(x0, y0, x1, y1);
    const std::vector<uint8_t> expected = ReferenceLine(x0, y0, x1, y1);
    for (int y = 0; y < kCanvasHeight; ++y)
        for (int x = 0; x < kCanvasWidth; ++x)
            if ((canvas.PixelAt(x, y) == kWhite) !=
                bool(expected[size_t(y) * kCanvasWidth + size_t(x)]))
                return false;
    return true;
}

} // namespace

TEST(CanvasTest, NewCanvasIsBlackAndFullSize)
{
    const Canvas canvas;
    EXPECT_EQ(canvas.Width(), 500);
    EXPECT_EQ(canvas.Height(), 502);
    EXPECT_EQ(CountPainted(canvas), 0);
}

TEST(CanvasTest, LineLeavesOutItsEndPixel)
{
    const Canvas canvas = Line(10, 20, 15, 20);
    for (int x = 10; x < 15; ++x)
        EXPECT_EQ(canvas.PixelAt(x, 20), kWhite) << x;
    EXPECT_EQ(canvas.PixelAt(15, 20), kOpaqueBlack);
    EXPECT_EQ(CountPainted(canvas), 5);
}

TEST(CanvasTest, LineToCurrentPositionDrawsNothing)
{
    EXPECT_EQ(CountPainted(Line(100, 100, 100, 100)), 0);
}

TEST(CanvasTest, PolylineContinuesFromTheLastEnd)
{
    Canvas canvas;
    canvas.SelectPen(kTestPen);
    canvas.MoveTo(5, 5);
    canvas.LineTo(5, 5);
    canvas.LineTo(8, 5);
    canvas.LineTo(8, 9);
    // (5..7, 5) then (8, 5..8): the corner is drawn by the second segment.
    EXPECT_EQ(CountPainted(canvas), 7);
    EXPECT_EQ(canvas.PixelAt(8, 5), kWhite);
    EXPECT_EQ(canvas.PixelAt(8, 9), kOpaqueBlack);
}

TEST(CanvasTest, DiagonalAndSteepLines)
{
    const Canvas diagonal = Line(0, 0, 4, 4);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(diagonal.PixelAt(i, i), kWhite);
    EXPECT_EQ(CountPainted(diagonal), 4);
    const Canvas steep = Line(50, 10, 51, 20); // 10 rows, one step of x halfway
    EXPECT_EQ(CountPainted(steep), 10);
    EXPECT_EQ(steep.PixelAt(50, 14), kWhite);
    EXPECT_EQ(steep.PixelAt(51, 15), kWhite);
}

TEST(CanvasTest, RectangleHasExclusiveRightAndBottom)
{
    const Canvas canvas = RectangleOn(0, 0, 500, 500);
    for (auto [x, y] : {std::pair{0, 0}, {499, 0}, {0, 499}, {499, 499}, {250, 0}, {0, 250}})
        EXPECT_EQ(canvas.PixelAt(x, y), kWhite) << x << "," << y;
    EXPECT_EQ(canvas.PixelAt(1, 1), kBlue);
    EXPECT_EQ(canvas.PixelAt(498, 498), kBlue);
    EXPECT_EQ(canvas.PixelAt(250, 500), kOpaqueBlack) << "rows 500 and 501 stay unpainted";
    EXPECT_EQ(canvas.PixelAt(250, 501), kOpaqueBlack);
}

TEST(CanvasTest, RectangleIsClippedToTheCanvas)
{
    const Canvas canvas = RectangleOn(kMin, kMin, kMax, kMax);
    EXPECT_EQ(canvas.PixelAt(0, 0), kBlue);
    EXPECT_EQ(canvas.PixelAt(499, 501), kBlue);
}

// Every pixel of RectangleOn(left, top, right, bottom): the outline on the
// first and last column and row of [left, right) × [top, bottom), the fill
// inside, the rest untouched.
::testing::AssertionResult PaintsRectangle(int32_t left, int32_t top, int32_t right, int32_t bottom)
{
    const Canvas canvas = RectangleOn(left, top, right, bottom);
    for (int y = 0; y < canvas.Height(); ++y)
        for (int x = 0; x < canvas.Width(); ++x) {
            const bool inside = x >= left && x < right && y >= top && y < bottom;
            const bool outline =
                inside && (x == left || x == right - 1 || y == top || y == bottom - 1);
            const uint32_t expected = outline ? kWhite : inside ? kBlue : kOpaqueBlack;
            if (canvas.PixelAt(x, y) != expected)
                return ::testing::AssertionFailure() << "pixel (" << x << ", " << y << ")";
        }
    return ::testing::AssertionSuccess();
}

TEST(CanvasTest, PartialRectangles)
{
    EXPECT_TRUE(PaintsRectangle(10, 20, 15, 24));
    EXPECT_TRUE(PaintsRectangle(40, 40, 41, 45)) << "one column: all outline";
    EXPECT_TRUE(PaintsRectangle(40, 40, 45, 41)) << "one row";
    EXPECT_TRUE(PaintsRectangle(-5, 495, 3, 510)) << "over the left and bottom edges";
    EXPECT_TRUE(PaintsRectangle(490, -7, 600, 12)) << "over the top and right edges";
    EXPECT_TRUE(PaintsRectangle(-3, 100, 600, 200)) << "wider than the canvas";
    EXPECT_TRUE(PaintsRectangle(30, 30, 30, 60)) << "no width: nothing";
    EXPECT_TRUE(PaintsRectangle(30, 60, 40, 59)) << "upside down: nothing";
}

// `check` holds for `count` seeded random lines with coordinates from low to high.
template <typename Check>
void ExpectRandomLines(unsigned seed, int32_t low, int32_t high, int count, Check check)
{
    std::mt19937 random(seed);
    std::uniform_int_distribution<int32_t> coordinate(low, high);
    for (int i = 0; i < count; ++i) {
        const int32_t x0 = coordinate(random), y0 = coordinate(random);
        const int32_t x1 = coordinate(random), y1 = coordinate(random);
        ASSERT_TRUE(check(x0, y0, x1, y1))
            << "(" << x0 << ", " << y0 << ") to (" << x1 << ", " << y1 << ")";
    }
}

TEST(CanvasTest, ClippedLinesMatchTheUnclippedLine)
{
    ExpectRandomLines(20261208, -450, 950, 400, MatchesUnclippedLine);
}

TEST(CanvasTest, FarLinesMatchTheirDefiningFormula)
{
    ExpectRandomLines(7, -40000, 40000, 60, MatchesReference);
    // Lines that only graze a corner or an edge.
    EXPECT_TRUE(MatchesReference(-30000, 520, 520, -30000));
    EXPECT_TRUE(MatchesReference(-1, -1, 40000, 40001));
    EXPECT_TRUE(MatchesReference(499, -40000, 499, 40000));
}

// `check` holds for `count` seeded random lines through points on or next to
// the canvas, each end up to `reach` away from that point along each axis.
template <typename Check>
void ExpectRandomLinesThrough(unsigned seed, int64_t reach, int count, Check check)
{
    std::mt19937 random(seed);
    std::uniform_int_distribution<int32_t> near(-2, kCanvasWidth + 1);
    std::uniform_int_distribution<int64_t> offset(-reach, reach);
    for (int i = 0; i < count; ++i) {
        const int64_t px = near(random), py = near(random);
        const int64_t dx = offset(random), dy = offset(random);
        const auto x0 = int32_t(px - dx), y0 = int32_t(py - dy);
        const auto x1 = int32_t(px + dx), y1 = int32_t(py + dy);
        ASSERT_TRUE(check(x0, y0, x1, y1))
            << "(" << x0 << ", " << y0 << ") to (" << x1 << ", " << y1 << ")";
    }
}

TEST(CanvasTest, LinesOfEveryLengthMatchTheirDefiningFormula)
{
    // The longest lines drive the clipping's products towards 2^64; the
    // lines through the canvas make sure that most of them paint something.
    ExpectRandomLines(11, kMin, kMax, 40, MatchesReference);
    ExpectRandomLinesThrough(12, int64_t{kMax} - kCanvasHeight, 120, MatchesReference);
    ExpectRandomLinesThrough(13, 100000, 40, MatchesReference);
    ExpectRandomLinesThrough(14, 2000, 40, MatchesReference);
}

TEST(CanvasTest, ReferenceLineWorkedByHand)
{
    // Slope 1/2: the minor offsets floor((4k + 4) / 8) are 0, 1, 1, 2.
    const std::vector<uint8_t> shallow = ReferenceLine(0, 0, 4, 2, 5, 3);
    EXPECT_EQ(shallow, (std::vector<uint8_t>{1, 0, 0, 0, 0, //
                                             0, 1, 1, 0, 0, //
                                             0, 0, 0, 1, 0}));
    // Across the whole 32-bit range, one row up: the line steps to row 1 at
    // k = 2^31, which is column 0, so the canvas sees only row 1.
    const Canvas canvas = Line(kMin, 0, kMax, 1);
    const std::vector<uint8_t> reference = ReferenceLine(kMin, 0, kMax, 1);
    for (int x = 0; x < kCanvasWidth; ++x) {
        ASSERT_EQ(canvas.PixelAt(x, 1), kWhite) << x;
        ASSERT_EQ(reference[size_t(kCanvasWidth) + size_t(x)], 1) << x;
    }
    EXPECT_EQ(CountPainted(canvas), kCanvasWidth);
}

TEST(CanvasTest, LinesBetweenExtremeCoordinates)
{
    // Across the whole 32-bit range, in every direction: exact, and fast
    // because only the steps inside the canvas are walked.
    const Canvas row = Line(kMin, 250, kMax, 250);
    for (int x = 0; x < 500; ++x)
        ASSERT_EQ(row.PixelAt(x, 250), kWhite);
    EXPECT_EQ(CountPainted(row), 500);

    const Canvas column = Line(7, kMax, 7, kMin);
    EXPECT_EQ(CountPainted(column), 502);

    const Canvas diagonal = Line(kMin, kMin, kMax, kMax);
    for (int i = 0; i < 500; ++i)
        ASSERT_EQ(diagonal.PixelAt(i, i), kWhite);
    EXPECT_EQ(CountPainted(diagonal), 500);

    const Canvas antiDiagonal = Line(kMax, 499 - kMax, kMin + 500, kMax); // on x + y = 499
    for (int x = 0; x < 500; ++x)
        ASSERT_EQ(antiDiagonal.PixelAt(x, 499 - x), kWhite);
    EXPECT_EQ(CountPainted(antiDiagonal), 500);
    EXPECT_EQ(CountPainted(Line(kMin, kMin, kMin, kMax)), 0) << "entirely off the canvas";
    EXPECT_EQ(CountPainted(Line(kMax, kMin, kMax, kMax)), 0);
    EXPECT_EQ(CountPainted(Line(kMin, kMax, kMax, kMax)), 0);
}

TEST(CanvasTest, LineFromFarOutsideEndsExactlyAtItsInsideEnd)
{
    // Coming in from far away, the line reaches the pixel before (100, 100)
    // on the diagonal and leaves the end pixel out.
    const Canvas canvas = Line(kMin + 1, kMin + 1, 100, 100);
    for (int i = 0; i < 100; ++i)
        ASSERT_EQ(canvas.PixelAt(i, i), kWhite);
    EXPECT_EQ(canvas.PixelAt(100, 100), kOpaqueBlack);
    EXPECT_EQ(CountPainted(canvas), 100);
}

// A polyline says how many pixels it wrote, and in how many lines, for
// lines on the canvas, across it and far off it.
TEST(CanvasTest, PolylineSaysWhatItWrote)
{
    auto counts = [](int32_t x0, int32_t y0, int32_t x1, int32_t y1) {
        Canvas canvas;
        canvas.SelectPen(kTestPen);
        const int32_t xs[] = {x0, x1, x1}, ys[] = {y0, y1, y1};
        const Canvas::Written written = canvas.DrawPolyline(xs, ys, 3);
        const int painted = CountPainted(canvas);
        return written.pixels == painted && written.lines == (painted > 0) &&
               canvas.CurrentX() == x1 && canvas.CurrentY() == y1;
    };
    ExpectRandomLines(21, -450, 950, 100, counts);
    ExpectRandomLines(22, kMin, kMax, 40, counts);
    ExpectRandomLinesThrough(23, 100000, 40, counts);
    // Across row 250; back from far right along row 10 to (10, 10), which
    // is left out; then ten pixels on to (20, 10). Pixels written twice
    // count twice.
    Canvas canvas;
    const int32_t xs[] = {kMin, kMax, 10, 20}, ys[] = {250, 250, 10, 10};
    const Canvas::Written written = canvas.DrawPolyline(xs, ys, 4);
    EXPECT_EQ(written.pixels, 500 + 489 + 10);
    EXPECT_EQ(written.lines, 3);
}

// A polyline drawn within a box writes exactly the pixels of its lines that
// lie in the box, whether the lines stay in it, cross it or miss it, and
// leaves the pen and the current position alone.
TEST(CanvasTest, PolylineWithinKeepsToItsBox)
{
    std::mt19937 random(24);
    std::uniform_int_distribution<int32_t> near(-100, 600), far(kMin, kMax);
    for (const PixelBox box : {PixelBox{0, 0, 500, 502}, PixelBox{40, 30, 400, 410},
                               PixelBox{-50, 200, 600, 201}, PixelBox{250, -9, 251, 999}}) {
        std::vector<int32_t> xs, ys;
        for (int i = 0; i < 60; ++i) {
            xs.push_back(i % 10 == 0 ? far(random) : near(random));
            ys.push_back(i % 10 == 5 ? far(random) : near(random));
        }
        Canvas within, whole;
        within.MoveTo(7, 8);
        within.PolylineWithin(xs.data(), ys.data(), xs.size(), kBlue, box);
        whole.SelectPen({"blue", kBlue});
        whole.Polyline(xs.data(), ys.data(), xs.size());
        for (int y = 0; y < kCanvasHeight; ++y)
            for (int x = 0; x < kCanvasWidth; ++x)
                ASSERT_EQ(within.PixelAt(x, y),
                          box.Contains(x, y) ? whole.PixelAt(x, y) : kOpaqueBlack)
                    << x << "," << y << " in " << box.left << "," << box.top;
        EXPECT_EQ(within.PenColour(), kOpaqueBlack);
        EXPECT_EQ(std::pair(within.CurrentX(), within.CurrentY()), std::pair(7, 8));
    }
}

namespace {

// The pixels a polyline writes, solid or in dashes from a phase.
Canvas PolylineOn(const std::vector<int32_t>& xs, const std::vector<int32_t>& ys,
                  std::optional<int64_t> dashedFrom, int64_t* phaseAfter = nullptr)
{
    Canvas canvas;
    canvas.SelectPen(kTestPen);
    if (!dashedFrom) {
        canvas.Polyline(xs.data(), ys.data(), xs.size());
        return canvas;
    }
    const int64_t after =
        canvas.DashedPolyline(xs.data(), ys.data(), xs.size(), DashPattern{4, 4}, *dashedFrom);
    if (phaseAfter)
        *phaseAfter = after;
    return canvas;
}

} // namespace

TEST(CanvasDashTest, PatternAtAScale)
{
    EXPECT_EQ(DashPatternAt(1.0).on, 4);
    EXPECT_EQ(DashPatternAt(1.0).off, 4);
    EXPECT_EQ(DashPatternAt(2.0).on, 8);
    EXPECT_EQ(DashPatternAt(1.5).off, 6);
    EXPECT_EQ(DashPatternAt(0.25).on, 1);
    EXPECT_EQ(DashPatternAt(16.0).off, 64);
}

// 4 on and 4 off from x = 10, the vertex at x = 13 inside the first dash and
// the one at x = 21 at the end of the second: the pattern runs on through
// both, and the end pixel is left out as a solid line leaves it.
TEST(CanvasDashTest, PatternGoesOnAcrossVertices)
{
    int64_t phase = -1;
    const Canvas canvas = PolylineOn({10, 13, 21, 31}, {7, 7, 7, 7}, 0, &phase);
    for (int x = 5; x < 40; ++x) {
        const bool on = x >= 10 && x < 31 && (x - 10) % 8 < 4;
        EXPECT_EQ(canvas.PixelAt(x, 7) != kOpaqueBlack, on) << "x = " << x;
    }
    EXPECT_EQ(phase, 21 % 8);
    // Started at position 6, the first two pixels are the end of a gap.
    const Canvas later = PolylineOn({10, 20}, {7, 7}, 6);
    EXPECT_EQ(later.PixelAt(11, 7), kOpaqueBlack);
    EXPECT_NE(later.PixelAt(12, 7), kOpaqueBlack);
    EXPECT_NE(later.PixelAt(15, 7), kOpaqueBlack);
    EXPECT_EQ(later.PixelAt(16, 7), kOpaqueBlack);
}

// Dashes from phase 0 and from phase 4 split the solid polyline's pixels
// between them, clipped lines from far off included: the same pixels, in
// the same places along every line.
TEST(CanvasDashTest, DashesAndTheirGapsMakeTheSolidLine)
{
    std::mt19937 random(31);
    std::uniform_int_distribution<int32_t> near(-300, 800), far(-2000000000, 2000000000);
    for (int i = 0; i < 60; ++i) {
        std::vector<int32_t> xs, ys;
        xs.push_back(i % 6 == 0 ? far(random) : near(random));
        ys.push_back(near(random));
        xs.push_back(near(random));
        ys.push_back(i % 4 == 0 ? far(random) : near(random));
        const Canvas solid = PolylineOn(xs, ys, std::nullopt);
        const Canvas dashes = PolylineOn(xs, ys, 0);
        const Canvas gaps = PolylineOn(xs, ys, 4);
        for (int y = 0; y < kCanvasHeight; ++y)
            for (int x = 0; x < kCanvasWidth; ++x) {
                const bool d = dashes.PixelAt(x, y) != kOpaqueBlack;
                const bool g = gaps.PixelAt(x, y) != kOpaqueBlack;
                ASSERT_EQ(solid.PixelAt(x, y) != kOpaqueBlack, d || g) << "line " << i;
                ASSERT_FALSE(d && g) << "line " << i;
            }
    }
}

// Smooth dashes: each `on` run is a smooth line of its own, the pattern
// measured along the major axis and carried on across the vertex at x = 12.5.
TEST(CanvasDashTest, SmoothDashesGoOnAcrossVertices)
{
    Canvas canvas;
    canvas.SelectPen(kTestPen);
    const double xs[] = {10.5, 12.5, 40.5};
    const double ys[] = {20.5, 20.5, 20.5};
    const double phase = canvas.DashedSmoothPolyline(xs, ys, 3, DashPattern{4, 4}, 0.0);
    EXPECT_DOUBLE_EQ(phase, 30.0 - 24.0);
    for (int x = 10; x < 40; ++x) {
        const int along = x - 10;
        if (along % 8 == 0 || along % 8 == 3 || along % 8 == 4 || along % 8 == 7)
            continue; // dash ends, weighted by what they cover
        EXPECT_EQ(canvas.PixelAt(x, 20) != kOpaqueBlack, along % 8 < 4) << "x = " << x;
    }
    // A line far longer than the canvas costs only its dashes on the canvas.
    Canvas far;
    far.SelectPen(kTestPen);
    const double farXs[] = {-1e12, 1e12};
    const double farYs[] = {30.5, 30.5};
    far.DashedSmoothPolyline(farXs, farYs, 2, DashPattern{4, 4}, 0.0);
    int painted = 0;
    for (int x = 0; x < kCanvasWidth; ++x)
        painted += far.PixelAt(x, 30) != kOpaqueBlack;
    EXPECT_GT(painted, kCanvasWidth / 3);
    EXPECT_LT(painted, 2 * kCanvasWidth / 3);
}
