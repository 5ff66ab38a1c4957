// SPDX-License-Identifier: MIT
// torsiva-fuzz-lines: one line between any two 32-bit points. The canvas must
// paint exactly the pixels its defining formula puts on the canvas, computed
// column by column (or row by row) by tests/line_reference.h; where the
// endpoints allow, also the same pixels as the line drawn unclipped on a
// canvas three times as large.
#include <cstdint>
#include <cstring>
#include <vector>

#include "byte_reader.h"
#include "fuzz_check.h"
#include "line_reference.h"
#include "render/canvas.h"

// The checks below walk every pixel; tracing their comparisons would only
// slow the search without telling the fuzzer anything about the rasteriser.
#if defined(__clang__)
#define NO_COVERAGE __attribute__((no_sanitize("coverage")))
#else
#define NO_COVERAGE
#endif

namespace {

constexpr uint32_t kWhite = 0xFFFFFFFFu;
const Pen kPen{"test", kWhite};

// The pixels the line's defining formula puts on the canvas.
NO_COVERAGE std::vector<LinePixel> Expected(int64_t x0, int64_t y0, int64_t x1, int64_t y1)
{
    return ReferenceLinePixels(x0, y0, x1, y1);
}

const Pen kErasePen{"erase", kOpaqueBlack};

// One canvas of each size for the whole run: a fresh 9 MB canvas per input
// would cost far more than the line. Drawing the line again in black clears
// exactly the pixels it painted (the rasteriser is deterministic, and the
// checks have already proved those pixels), so each input starts on black.
Canvas& SmallCanvas()
{
    static Canvas canvas(kCanvasWidth, kCanvasHeight);
    return canvas;
}

Canvas& LargeCanvas()
{
    static Canvas canvas(3 * kCanvasWidth, 3 * kCanvasHeight);
    return canvas;
}

Canvas& Draw(Canvas& canvas, const Pen& pen, int32_t x0, int32_t y0, int32_t x1, int32_t y1)
{
    canvas.SelectPen(pen);
    canvas.MoveTo(x0, y0);
    canvas.LineTo(x1, y1);
    return canvas;
}

bool WithinLargeCanvas(int64_t x, int64_t y)
{
    return x >= -kCanvasWidth && x < 2 * kCanvasWidth && y >= -kCanvasHeight &&
           y < 2 * kCanvasHeight;
}

// The small canvas as it should look: black, with the expected pixels white.
// Kept between inputs; each check sets its line's pixels and clears them again.
std::vector<uint32_t>& ExpectedPicture()
{
    static std::vector<uint32_t> picture(size_t(kCanvasWidth) * size_t(kCanvasHeight),
                                         kOpaqueBlack);
    return picture;
}

// The window of `canvas` that starts at (left, top), the small canvas's size,
// equals the expected picture pixel for pixel. Compared a row at a time with
// memcmp, which runs on vectors: a loop over every pixel cost most of the time
// of each input.
NO_COVERAGE void CheckAgainst(const Canvas& canvas, const std::vector<LinePixel>& expected,
                              int left = 0, int top = 0)
{
    std::vector<uint32_t>& picture = ExpectedPicture();
    for (LinePixel pixel : expected)
        picture[size_t(pixel.y) * size_t(kCanvasWidth) + size_t(pixel.x)] = kWhite;
    for (int y = 0; y < kCanvasHeight; ++y) {
        const uint32_t* row = canvas.Bits() + size_t(y + top) * size_t(canvas.Width()) + left;
        const uint32_t* wanted = picture.data() + size_t(y) * size_t(kCanvasWidth);
        FUZZ_CHECK(std::memcmp(row, wanted, sizeof(uint32_t) * kCanvasWidth) == 0);
    }
    for (LinePixel pixel : expected)
        picture[size_t(pixel.y) * size_t(kCanvasWidth) + size_t(pixel.x)] = kOpaqueBlack;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    ByteReader in(data, size);
    // Small values are as likely as huge ones: the low byte picks a scale.
    auto coordinate = [&in] {
        const uint8_t scale = in.Byte() % 4;
        const int32_t value = in.Int32();
        return scale == 0   ? value
               : scale == 1 ? value % 2000
               : scale == 2 ? value % 700
                            : value % 100000;
    };
    const int32_t x0 = coordinate(), y0 = coordinate(), x1 = coordinate(), y1 = coordinate();

    const Canvas& canvas = Draw(SmallCanvas(), kPen, x0, y0, x1, y1);
    const std::vector<LinePixel> expected = Expected(x0, y0, x1, y1);
    CheckAgainst(canvas, expected);
    if (WithinLargeCanvas(x0, y0) && WithinLargeCanvas(x1, y1)) {
        // The small canvas is the middle of the large one: the clipped line
        // must be the middle of the same line drawn unclipped.
        const int32_t lx0 = x0 + kCanvasWidth, ly0 = y0 + kCanvasHeight;
        const int32_t lx1 = x1 + kCanvasWidth, ly1 = y1 + kCanvasHeight;
        CheckAgainst(Draw(LargeCanvas(), kPen, lx0, ly0, lx1, ly1), expected, kCanvasWidth,
                     kCanvasHeight);
        Draw(LargeCanvas(), kErasePen, lx0, ly0, lx1, ly1);
    }
    Draw(SmallCanvas(), kErasePen, x0, y0, x1, y1);
    return 0;
}
