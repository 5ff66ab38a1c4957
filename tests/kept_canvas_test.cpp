// SPDX-License-Identifier: MIT
// A kept canvas erases by drawing the last lines again, but must give every
// picture the very pixels a canvas that keeps nothing gives: the window, the
// benchmarks and the fuzzers all draw on one.
#include <array>
#include <random>
#include <vector>

#include "geometry/view_frame.h"
#include "render/draw_figure.h"
#include "render/kept_canvas.h"
#include "test_support.h"

namespace {

// The pixels of `box` on `actual` and on `expected`, the first that differs
// named.
::testing::AssertionResult SamePixels(const Canvas& actual, const Canvas& expected, PixelBox box)
{
    for (int64_t y = box.top; y < box.bottom; ++y)
        for (int64_t x = box.left; x < box.right; ++x)
            if (actual.PixelAt(int(x), int(y)) != expected.PixelAt(int(x), int(y)))
                return ::testing::AssertionFailure()
                       << "pixel (" << x << ", " << y << ") is " << std::hex
                       << actual.PixelAt(int(x), int(y)) << ", not "
                       << expected.PixelAt(int(x), int(y));
    return ::testing::AssertionSuccess();
}

// Random lines near a canvas of 100 × 102 pixels, now and then from far off,
// and smooth lines among them: the same on every canvas given the same seed.
void DrawLines(Canvas& canvas, std::mt19937 random, int count)
{
    std::uniform_int_distribution<int32_t> near(-20, 120), far(-2000000000, 2000000000);
    for (int i = 0; i < count; ++i) {
        if (i % 20 == 0)
            canvas.MoveTo(far(random), far(random));
        canvas.LineTo(near(random), near(random));
        if (i % 5 == 0)
            canvas.SmoothLine(near(random) + 0.3, near(random) + 0.7, near(random), near(random));
    }
}

constexpr Pen kRed{"red", 0xFFFF0000u};
constexpr Pen kGreen{"green", 0xFF00FF00u};
constexpr Pen kWhite{"white", 0xFFFFFFFFu};
constexpr uint32_t kDarkBlue = 0xFF000010u;

} // namespace

// The rectangle drawn again puts back only what was drawn over it; the
// result must still be the rectangle, and nothing outside it may change.
// Rounds of a few lines are put back line by line; rounds of many lines run
// past what the canvas keeps track of, and the rectangle is painted whole.
// One canvas goes through both, one after the other, so that each round
// starts from what the last one left.
TEST(KeptCanvasTest, RepeatedRectangleRepaintsAllThatWasDrawnInside)
{
    std::mt19937 random(7);
    std::uniform_int_distribution<int32_t> near(-80, 380), far(-2000000000, 2000000000);
    const Pen red{"red", 0xFFFF0000u}, green{"green", 0xFF00FF00u};
    for (auto [l, t, r, b] : {std::array{0, 0, 300, 300}, {37, 21, 250, 283}, {-5, -9, 400, 400}}) {
        KeptCanvas kept(Canvas(300, 302));
        kept.SelectPen(red);
        kept.SelectFill(0xFF000010u);
        kept.Rectangle(l, t, r, b);
        Canvas fresh(300, 302);
        fresh.SelectPen(red);
        fresh.SelectFill(0xFF000010u);
        fresh.Rectangle(l, t, r, b);
        for (int lines : {12, 300, 40, 12, 1000, 8}) {
            kept.SelectPen(green);
            for (int i = 0; i < lines; ++i) {
                if (i % 50 == 0)
                    kept.MoveTo(far(random), far(random));
                kept.LineTo(near(random), near(random));
                if (i % 7 == 0)
                    kept.SmoothLine(near(random) + 0.3, near(random) + 0.7, near(random),
                                    near(random));
            }
            std::vector<uint32_t> drawn(kept.Bits(), kept.Bits() + 300 * 302);
            kept.SelectPen(red);
            kept.Rectangle(l, t, r, b);
            for (int y = 0; y < 302; ++y)
                for (int x = 0; x < 300; ++x) {
                    const bool inside = x >= l && x < r && y >= t && y < b;
                    ASSERT_EQ(kept.PixelAt(x, y), inside ? fresh.PixelAt(x, y) : drawn[y * 300 + x])
                        << x << "," << y << " in " << l << "," << t << "," << r << "," << b
                        << " after " << lines << " lines";
                }
        }
    }
}

// Lines from a polyline and lines one at a time, short ones along the
// outline and through its corners among them, all put back exactly. The
// canvas is larger than the rectangle, so that these few lines are put back
// one by one rather than by painting the rectangle whole.
TEST(KeptCanvasTest, LinesOnTheOutlineArePutBack)
{
    const Pen white{"white", 0xFFFFFFFFu}, blue{"blue", 0xFF0000FFu};
    KeptCanvas kept(Canvas(80, 82));
    Canvas fresh(80, 82);
    for (Canvas* canvas : {static_cast<Canvas*>(&kept), &fresh}) {
        canvas->SelectPen(white);
        canvas->Rectangle(0, 0, 40, 40);
    }
    kept.SelectPen(blue);
    const int32_t xs[] = {0, 5, 39, 39, 39, 39, 20, 1, 1, 38, 20, -3, 20, 45};
    const int32_t ys[] = {0, 1, 0, 5, 30, 39, 38, 38, 1, 1, 41, 20, 20, 39};
    kept.Polyline(xs, ys, std::size(xs));
    kept.MoveTo(2, 2);
    for (auto [x, y] :
         {std::pair{3, 2}, {38, 38}, {39, 39}, {0, 39}, {0, 0}, {0, 3}, {0, 36}, {2, 39}, {37, 39}})
        kept.LineTo(x, y);
    kept.SelectPen(white);
    kept.Rectangle(0, 0, 40, 40);
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 40; ++x)
            ASSERT_EQ(kept.PixelAt(x, y), fresh.PixelAt(x, y)) << x << "," << y;
}

// Only the very same rectangle, in the same pen and fill, may be erased
// line by line: one that differs in place, size, pen or fill is painted in
// full, as on a canvas that keeps nothing.
TEST(KeptCanvasTest, AnotherRectangleIsPaintedInFull)
{
    struct Paint {
        std::array<int32_t, 4> box;
        Pen pen;
        uint32_t fill;
    };
    const Paint first{{10, 10, 90, 90}, kRed, kDarkBlue};
    for (const Paint& next : {Paint{{10, 10, 80, 90}, kRed, kDarkBlue},
                              {{10, 10, 90, 95}, kRed, kDarkBlue},
                              {{5, 10, 90, 90}, kRed, kDarkBlue},
                              {{10, 10, 90, 90}, kGreen, kDarkBlue},
                              {{10, 10, 90, 90}, kRed, kOpaqueBlack}}) {
        KeptCanvas kept(Canvas(100, 102));
        Canvas plain(100, 102);
        // Lines before each rectangle; the next rectangle twice, painted in
        // full and then erased.
        for (Canvas* canvas : {static_cast<Canvas*>(&kept), &plain}) {
            unsigned seed = 3;
            for (const Paint& paint : {first, next, next}) {
                canvas->SelectPen(kWhite);
                DrawLines(*canvas, std::mt19937(seed++), 6);
                canvas->SelectPen(paint.pen);
                canvas->SelectFill(paint.fill);
                canvas->Rectangle(paint.box[0], paint.box[1], paint.box[2], paint.box[3]);
            }
        }
        EXPECT_TRUE(SamePixels(kept, plain, kept.Bounds()))
            << "after " << next.box[0] << "," << next.box[1] << "," << next.box[2] << ","
            << next.box[3] << " in " << std::hex << next.pen.colour << " on " << next.fill;
    }
}

// A round past the budget drops the log, and its rectangle is painted whole;
// the round after it is remembered again and erased line by line. A mark
// made behind the log's back, through the raster's own drawing, tells the
// two apart: only painting the rectangle whole clears it.
TEST(KeptCanvasTest, ARoundOverTheBudgetIsPaintedWholeAndTheNextErasedAgain)
{
    const int32_t markXs[] = {50, 54}, markYs[] = {60, 60};
    const uint32_t mark = 0xFFFFFF00u;
    KeptCanvas kept(Canvas(100, 102));
    Canvas plain(100, 102);
    auto paint = [&](Canvas& canvas) {
        canvas.SelectPen(kRed);
        canvas.SelectFill(kDarkBlue);
        canvas.Rectangle(0, 0, 100, 100);
        canvas.SelectPen(kGreen);
    };
    paint(kept);
    paint(plain);
    for (int round = 0; round < 6; ++round) {
        // Within the budget whatever the draws, which each standard library
        // makes in its own way: two lines and a smooth one, cut to the
        // canvas, cost less than half the 1275 pixels a 100 × 102 canvas
        // allows.
        const bool overBudget = round % 2 == 0;
        const int lines = overBudget ? 300 : 2;
        DrawLines(kept, std::mt19937(round), lines);
        DrawLines(plain, std::mt19937(round), lines);
        kept.PolylineWithin(markXs, markYs, 2, mark, kept.Bounds());
        paint(kept);
        paint(plain);
        if (!overBudget)
            plain.PolylineWithin(markXs, markYs, 2, mark, plain.Bounds());
        ASSERT_TRUE(SamePixels(kept, plain, kept.Bounds()))
            << "round " << round << (overBudget ? ", over the budget" : ", within it");
    }
}

namespace {

// Every pixel outside `box` is as `before` had it.
::testing::AssertionResult ChangedOnlyIn(const Canvas& canvas, const std::vector<uint32_t>& before,
                                         PixelBox box)
{
    for (int y = 0; y < canvas.Height(); ++y)
        for (int x = 0; x < canvas.Width(); ++x)
            if (!box.Contains(x, y) &&
                canvas.PixelAt(x, y) != before[size_t(y) * size_t(canvas.Width()) + size_t(x)])
                return ::testing::AssertionFailure()
                       << "pixel (" << x << ", " << y << ") changed outside the box";
    return ::testing::AssertionSuccess();
}

std::vector<uint32_t> PixelsOf(const Canvas& canvas)
{
    return {canvas.Bits(), canvas.Bits() + size_t(canvas.Width()) * size_t(canvas.Height())};
}

// One canvas kept over many redraws, as the window keeps it, against a fresh
// canvas for each: views that send lines far off the canvas, every figure and
// none, angles up to the densest, both line styles. At scale 1 the kept
// canvas starts unpainted, as the fuzzers' does. With `hiddenParts` every
// other redraw shows the hidden parts, dashed lines and all. Every pixel
// that a redraw, or two (as when a page shows every other one), changed lies
// in the box the kept canvas says may have changed.
void ExpectKeptRedrawsAsFresh(unsigned seed, bool hiddenParts)
{
    std::mt19937 random(seed);
    std::uniform_real_distribution<double> coordinate(-400.0, 400.0);
    for (double scale : {1.0, 2.0}) {
        const int side = PictureSide(scale);
        KeptCanvas kept(scale == 1.0 ? Canvas::ForRedraw() : Canvas::ForPicture(side));
        std::vector<uint32_t> shown(PixelsOf(kept).size(), 0u);
        FigureCache keptFigures;
        for (int redraw = 0; redraw < 48; ++redraw) {
            ViewState view = DefaultView(CurveKind(redraw % 4), 2 + (redraw * 13) % 88);
            view.eye = {coordinate(random), coordinate(random), coordinate(random)};
            view.zoom = redraw % 3 == 0 ? 100.0 : 50.0;
            view.hiddenParts = hiddenParts && redraw % 2 == 1;
            UpdateViewFrame(view);
            const PictureMapping mapping{scale,
                                         redraw % 5 == 4 ? LineStyle::Smooth : LineStyle::Exact};
            ComposeFigure(kept, keptFigures, view, mapping);
            Canvas fresh = Canvas::ForPicture(side);
            FigureCache figures;
            ComposeFigure(fresh, figures, view, mapping);
            ASSERT_TRUE(SamePixels(kept, fresh, {0, 0, side, side}))
                << "scale " << scale << ", redraw " << redraw;
            if (redraw % 3 == 1)
                continue;
            ASSERT_TRUE(ChangedOnlyIn(kept, shown, kept.TakeChanged()))
                << "scale " << scale << ", redraw " << redraw;
            shown = PixelsOf(kept);
        }
    }
}

} // namespace

TEST(KeptCanvasRedrawTest, EveryRedrawIsWhatAFreshCanvasDraws)
{
    ExpectKeptRedrawsAsFresh(20261208, false);
}

TEST(KeptCanvasRedrawTest, RedrawsWithHiddenPartsAreWhatAFreshCanvasDraws)
{
    ExpectKeptRedrawsAsFresh(20261209, true);
}

// The box of what changed is all of the canvas at first and after another
// rectangle; a redraw of the same view changes only the figure's pixels (the
// helix, narrow and upright, spans a fifth of the picture's width), and
// nothing drawn leaves it empty.
TEST(KeptCanvasTest, TheChangedBoxIsWhereTheFiguresAre)
{
    const int side = PictureSide(1.0);
    KeptCanvas kept(Canvas::ForPicture(side));
    EXPECT_EQ(kept.TakeChanged().right, side);
    EXPECT_TRUE(kept.TakeChanged().Empty());

    const ViewState view = Framed(DefaultView(CurveKind::Helix, 89));
    FigureCache figures;
    ComposeFigure(kept, figures, view, PictureMapping{});
    const PixelBox first = kept.TakeChanged();
    EXPECT_EQ(first.left, 0);
    EXPECT_EQ(first.right, side);
    for (LineStyle lines : {LineStyle::Exact, LineStyle::Smooth}) {
        ComposeFigure(kept, figures, view, PictureMapping{1.0, lines});
        const PixelBox again = kept.TakeChanged();
        EXPECT_GT(again.left, side / 3);
        EXPECT_LT(again.right, 2 * side / 3);
        EXPECT_FALSE(again.Empty());
    }

    kept.SelectFill(kDarkBlue);
    kept.Rectangle(10, 20, 30, 40);
    const PixelBox other = kept.TakeChanged();
    EXPECT_LE(other.left, 10);
    EXPECT_GE(other.bottom, 40);
}
