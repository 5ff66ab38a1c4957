// SPDX-License-Identifier: MIT
#include "render/canvas.h"

#include <algorithm>
#include <cassert>
#include <cmath>
#include <cstdlib>
#include <optional>

#include "geometry/always_inline.h"
#include "render/picture_scale.h"
#include "render/smooth_line.h"

// A branch taken at most every other time, such as a line's step along its
// minor axis. Told so, Clang keeps the branch instead of computing both ways
// and selecting one, which would put the selection on the chain from each
// pixel to the next; GCC keeps it either way.
#if defined(__GNUC__)
#define TORSIVA_AT_MOST_HALF_THE_TIME(condition) __builtin_expect(bool(condition), 0)
#else
#define TORSIVA_AT_MOST_HALF_THE_TIME(condition) (condition)
#endif

namespace {

// Offsets k, from the line's first pixel, that a line draws: [first, last].
struct StepRange {
    int64_t first;
    int64_t last;
    bool Empty() const { return first > last; }
};

// Offsets o ≥ 0 along an axis that keep start + step·o inside [0, size − 1].
StepRange OffsetsInside(int64_t start, int64_t step, int64_t size)
{
    if (step > 0)
        return {-start, size - 1 - start};
    return {start - (size - 1), start};
}

// a·b = quotient·d + remainder exactly, for a and b from 0 to 2^32 − 1: the
// product then fits in 64 unsigned bits.
struct ProductDivision {
    int64_t quotient;
    int64_t remainder;
};

ProductDivision DivideProduct(int64_t a, int64_t b, int64_t d)
{
    const uint64_t product = uint64_t(a) * uint64_t(b);
    return {int64_t(product / uint64_t(d)), int64_t(product % uint64_t(d))};
}

// floor(a / b) for b > 0, whatever the sign of a.
int64_t FloorDiv(int64_t a, int64_t b) { return a >= 0 ? a / b : -((-a + b - 1) / b); }

// The first step k whose minor offset floor((2·k·m + n) / 2n) reaches
// `offset`, for 0 < offset ≤ m: ceil((2·n·offset − n) / 2m). With
// n·offset = q·m + r, that is q + ceil((2r − n) / 2m).
int64_t FirstStepReaching(int64_t n, int64_t m, int64_t offset)
{
    const ProductDivision d = DivideProduct(n, offset, m);
    return d.quotient - FloorDiv(n - 2 * d.remainder, 2 * m);
}

// The last step k whose minor offset stays at or below `offset`, for
// 0 ≤ offset ≤ m: floor((2·n·(offset + 1) − n − 1) / 2m). With
// n·(offset + 1) = q·m + r, that is q + floor((2r − n − 1) / 2m).
int64_t LastStepWithin(int64_t n, int64_t m, int64_t offset)
{
    const ProductDivision d = DivideProduct(n, offset + 1, m);
    return d.quotient + FloorDiv(2 * d.remainder - n - 1, 2 * m);
}

// A line as its defining formula reads it (see DrawLineIn), and the steps k
// of it whose pixels lie in a box of width × height pixels, the line's
// coordinates taken from the box's top left corner.
struct LineSteps {
    bool xMajor;
    int64_t majorStart, minorStart;
    int64_t majorStep, minorStep;
    int64_t n, m; // major and minor extents
    StepRange steps;
};

LineSteps StepsInside(int64_t x0, int64_t y0, int64_t x1, int64_t y1, int64_t width, int64_t height)
{
    const int64_t dx = x1 - x0;
    const int64_t dy = y1 - y0;
    LineSteps line;
    line.xMajor = std::llabs(dx) >= std::llabs(dy);
    line.majorStart = line.xMajor ? x0 : y0;
    line.minorStart = line.xMajor ? y0 : x0;
    const int64_t majorDelta = line.xMajor ? dx : dy;
    const int64_t minorDelta = line.xMajor ? dy : dx;
    line.n = std::llabs(majorDelta);
    line.m = std::llabs(minorDelta);
    line.majorStep = majorDelta > 0 ? 1 : -1;
    line.minorStep = minorDelta >= 0 ? 1 : -1;
    const int64_t n = line.n, m = line.m;
    StepRange& steps = line.steps;
    steps = {0, n - 1};
    if (n == 0)
        return line;

    const StepRange majorInside =
        OffsetsInside(line.majorStart, line.majorStep, line.xMajor ? width : height);
    steps.first = std::max(steps.first, majorInside.first);
    steps.last = std::min(steps.last, majorInside.last);
    const StepRange minorInside =
        OffsetsInside(line.minorStart, line.minorStep, line.xMajor ? height : width);
    if (steps.Empty() || minorInside.last < 0 || (m == 0 && minorInside.first > 0) ||
        minorInside.first > m) {
        steps = {0, -1};
        return line;
    }
    if (m > 0) {
        // The minor offset runs from 0 at k = 0 to m at k = n, so no bound
        // beyond m can cut the line. Bounded by m, the bounds keep every
        // product below 2^64 (n and m are below 2^32, being differences of
        // 32-bit coordinates), and the arithmetic stays in 64 bits.
        if (minorInside.first > 0)
            steps.first = std::max(steps.first, FirstStepReaching(n, m, minorInside.first));
        steps.last = std::min(steps.last, LastStepWithin(n, m, std::min(minorInside.last, m)));
    }
    return line;
}

// A pixel of a solid line: always written.
struct SolidPlot {
    uint32_t colour;
    void StartAt(int64_t) {}
    void operator()(uint32_t* pixel) const { *pixel = colour; }
};

// A pixel of a dashed line: written when its position in the pattern falls
// in the `on` run. The line's first pixel stands at `position`; a line
// that starts its walk further on (clipped) says so first, and from there
// the pixels come one step after another.
struct DashPlot {
    uint32_t colour;
    int64_t position; // in [0, period)
    int64_t period;
    int64_t on;
    void StartAt(int64_t k) { position = (position + k) % period; }
    void operator()(uint32_t* pixel)
    {
        if (position < on)
            *pixel = colour;
        if (++position == period)
            position = 0;
    }
};

// The blend of a smooth line: red and blue side by side in one word, green
// in another, each channel becoming (pen·w + pixel·(256 − w) + 128) / 256,
// rounded, for a weight w of 0 to 256.
inline uint32_t Blend(uint32_t pixel, uint32_t colour, double coverage)
{
    const uint32_t weight = uint32_t(std::min(coverage, 1.0) * 256.0 + 0.5);
    const uint32_t rest = 256 - weight;
    const uint32_t redBlue =
        ((colour & 0xFF00FFu) * weight + (pixel & 0xFF00FFu) * rest + 0x800080u) >> 8;
    const uint32_t green = ((colour & 0xFF00u) * weight + (pixel & 0xFF00u) * rest + 0x8000u) >> 8;
    return kOpaqueBlack | (redBlue & 0xFF00FFu) | (green & 0xFF00u);
}

} // namespace

std::unique_ptr<uint32_t[], Canvas::AlignedDelete> Canvas::NewPixels(int width, int height)
{
    const size_t bytes = size_t(width) * size_t(height) * sizeof(uint32_t);
    return std::unique_ptr<uint32_t[], AlignedDelete>(
        static_cast<uint32_t*>(::operator new[](bytes, std::align_val_t{kPixelAlignment})));
}

Canvas::Canvas(int width, int height)
    : width_(width), height_(height), pixels_(NewPixels(width, height))
{
    std::fill_n(pixels_.get(), size_t(width) * size_t(height), kOpaqueBlack);
}

Canvas::Canvas(Unpainted)
    : width_(kCanvasWidth), height_(kCanvasHeight), pixels_(NewPixels(kCanvasWidth, kCanvasHeight))
{
    std::fill(pixels_.get() + Index(0, kPictureSize), pixels_.get() + Index(0, kCanvasHeight),
              kOpaqueBlack);
}

Canvas Canvas::ForRedraw() { return Canvas(Unpainted{}); }

Canvas Canvas::ForPicture(int side) { return Canvas(side, side + kRowsBelowPicture); }

void Canvas::SelectFill(uint32_t colour) { fillColour_ = colour; }

void Canvas::SelectPen(const Pen& pen) { penColour_ = pen.colour; }

void Canvas::Rectangle(int32_t left, int32_t top, int32_t right, int32_t bottom)
{
    if (right <= left || bottom <= top)
        return;
    PaintRectangle(left, top, right, bottom);
}

// A rectangle is a few spans a row: inlined into it.
TORSIVA_ALWAYS_INLINE void Canvas::FillSpan(int64_t y, int64_t x0, int64_t x1, uint32_t colour)
{
    const PixelBox span = Clip({x0, y, x1, y + 1});
    if (span.Empty())
        return;
    uint32_t* row = pixels_.get() + Index(0, int(y));
    std::fill(row + span.left, row + span.right, colour);
}

void Canvas::PaintRectangle(int32_t left, int32_t top, int32_t right, int32_t bottom)
{
    const int64_t firstRow = std::max<int64_t>(top, 0);
    const int64_t endRow = std::min<int64_t>(bottom, height_);
    if (left <= 0 && right >= width_ && firstRow < endRow) {
        // Whole rows, as for the background: one contiguous fill is much
        // faster than a span per row; the outline goes over it below.
        std::fill(pixels_.get() + Index(0, int(firstRow)), pixels_.get() + Index(0, int(endRow)),
                  fillColour_);
    }
    for (int64_t y = firstRow; y < endRow; ++y) {
        if (y == top || y == int64_t{bottom} - 1) {
            FillSpan(y, left, right, penColour_);
            continue;
        }
        FillSpan(y, left, int64_t{left} + 1, penColour_);
        if (left > 0 || right < width_)
            FillSpan(y, int64_t{left} + 1, int64_t{right} - 1, fillColour_);
        FillSpan(y, int64_t{right} - 1, right, penColour_);
    }
}

void Canvas::MoveTo(int32_t x, int32_t y)
{
    currentX_ = x;
    currentY_ = y;
}

// The common case, both ends on the canvas: the same steps as below, in
// 32-bit arithmetic and with no clipping. Most lines of a figure are a
// pixel or two long, so the set-up is what counts here, and the function is
// inlined into its callers.
template <class Plot>
TORSIVA_ALWAYS_INLINE int32_t Canvas::DrawLineOnCanvas(int32_t x0, int32_t y0, int32_t x1,
                                                       int32_t y1, Plot plot)
{
    const int32_t dx = x1 - x0;
    const int32_t dy = y1 - y0;
    const int32_t adx = dx < 0 ? -dx : dx;
    const int32_t ady = dy < 0 ? -dy : dy;
    const int32_t xStride = dx > 0 ? 1 : -1;
    const int32_t yStride = dy > 0 ? width_ : -width_;
    // After the last step the pointer stands on the end pixel, still on the
    // canvas, which is left out.
    uint32_t* pixel = pixels_.get() + Index(x0, y0);
    if (adx >= ady) {
        for (int32_t k = 0, remainder = adx; k < adx; ++k) {
            plot(pixel);
            remainder += 2 * ady;
            if (TORSIVA_AT_MOST_HALF_THE_TIME(remainder >= 2 * adx)) {
                remainder -= 2 * adx;
                pixel += yStride;
            }
            pixel += xStride;
        }
    } else {
        for (int32_t k = 0, remainder = ady; k < ady; ++k) {
            plot(pixel);
            remainder += 2 * adx;
            if (TORSIVA_AT_MOST_HALF_THE_TIME(remainder >= 2 * ady)) {
                remainder -= 2 * ady;
                pixel += xStride;
            }
            pixel += yStride;
        }
    }
    return adx >= ady ? adx : ady;
}

template <class Plot>
TORSIVA_ALWAYS_INLINE int64_t Canvas::DrawLine(int32_t x0, int32_t y0, int32_t x1, int32_t y1,
                                               Plot plot)
{
    if (OnCanvas(x0, y0) && OnCanvas(x1, y1))
        return DrawLineOnCanvas(x0, y0, x1, y1, plot);
    return DrawLineIn(Bounds(), x0, y0, x1, y1, plot);
}

void Canvas::LineTo(int32_t x, int32_t y)
{
    DrawLine(currentX_, currentY_, x, y, SolidPlot{penColour_});
    currentX_ = x;
    currentY_ = y;
}

void Canvas::Polyline(const int32_t* xs, const int32_t* ys, size_t count)
{
    DrawPolyline(xs, ys, count);
}

// Moving to the first point and drawing to it writes nothing: the lines
// start at the second.
Canvas::Written Canvas::DrawPolyline(const int32_t* xs, const int32_t* ys, size_t count)
{
    Written written;
    if (count == 0)
        return written;
    for (size_t i = 1; i < count; ++i) {
        const int64_t pixels = DrawLine(xs[i - 1], ys[i - 1], xs[i], ys[i], SolidPlot{penColour_});
        written.pixels += pixels;
        written.lines += pixels > 0;
    }
    currentX_ = xs[count - 1];
    currentY_ = ys[count - 1];
    return written;
}

DashPattern DashPatternAt(double scale)
{
    auto pixels = [&](int32_t length) {
        return int32_t(std::max(1L, std::lround(length * DrawableScale(scale))));
    };
    const DashPattern unit;
    return {pixels(unit.on), pixels(unit.off)};
}

int64_t Canvas::DashedPolyline(const int32_t* xs, const int32_t* ys, size_t count,
                               DashPattern pattern, int64_t phase)
{
    DrawDashedPolyline(xs, ys, count, pattern, phase);
    return phase;
}

// Each line walks the same pixels as its solid self, the step k of each
// standing at the pattern position reached so far plus k; clipping only
// narrows the steps walked, so a clipped line keeps its dashes in place.
Canvas::Written Canvas::DrawDashedPolyline(const int32_t* xs, const int32_t* ys, size_t count,
                                           DashPattern pattern, int64_t& phase)
{
    Written written;
    const int64_t period = std::max(pattern.Period(), 1);
    phase = ((phase % period) + period) % period;
    if (count == 0)
        return written;
    for (size_t i = 1; i < count; ++i) {
        const int64_t steps = std::max(std::llabs(int64_t{xs[i]} - xs[i - 1]),
                                       std::llabs(int64_t{ys[i]} - ys[i - 1]));
        const int64_t pixels = DrawLine(xs[i - 1], ys[i - 1], xs[i], ys[i],
                                        DashPlot{penColour_, phase, period, pattern.on});
        written.pixels += pixels;
        written.lines += pixels > 0;
        // Most lines are a pixel or two: the pattern seldom needs a division.
        phase += steps;
        if (phase >= period)
            phase = phase < 2 * period ? phase - period : phase % period;
    }
    currentX_ = xs[count - 1];
    currentY_ = ys[count - 1];
    return written;
}

namespace {

// Where a smooth line of major extent `length`, from pattern position
// `phase`, runs in its `on` runs: each as fractions [from, to) of the line,
// only those that meet the fractions [first, last).
template <class Dash>
void EachDash(double length, double phase, DashPattern pattern, double first, double last,
              Dash dash)
{
    const double period = pattern.Period();
    // The pattern positions, along the line, where the first `on` run
    // at or before `first` starts.
    double start = first * length - std::fmod(phase + first * length, period);
    for (; start < last * length; start += period) {
        const double from = std::max(start, first * length);
        const double to = std::min(start + pattern.on, last * length);
        if (from < to)
            dash(from / length, to / length);
    }
}

} // namespace

// Only the part of each line that can meet the canvas is walked for its
// dashes, so a line however long costs at most the canvas's size in dashes.
double Canvas::DashedSmoothPolyline(const double* xs, const double* ys, size_t count,
                                    DashPattern pattern, double phase)
{
    const double period = std::max(pattern.Period(), 1);
    for (size_t i = 1; i < count; ++i) {
        const double x0 = xs[i - 1], y0 = ys[i - 1], dx = xs[i] - x0, dy = ys[i] - y0;
        const double length = std::max(std::fabs(dx), std::fabs(dy));
        const std::optional<WuSegment> cut = CutSmoothLine(x0, y0, xs[i], ys[i], width_, height_);
        if (!cut || !(length > 0.0))
            continue;
        // The cut keeps the line's direction: its ends, back in canvas
        // coordinates, lie at these fractions along the major axis.
        const bool xMajor = std::fabs(dx) >= std::fabs(dy);
        auto fraction = [&](double x, double y) {
            return std::clamp(xMajor ? (x + 0.5 - x0) / dx : (y + 0.5 - y0) / dy, 0.0, 1.0);
        };
        EachDash(length, phase, pattern, fraction(cut->x0, cut->y0), fraction(cut->x1, cut->y1),
                 [&](double from, double to) {
                     SmoothLine(x0 + from * dx, y0 + from * dy, x0 + to * dx, y0 + to * dy);
                 });
        phase = std::fmod(phase + length, period);
    }
    return phase;
}

void Canvas::PolylineWithin(const int32_t* xs, const int32_t* ys, size_t count, uint32_t colour,
                            PixelBox box)
{
    box = Clip(box);
    if (box.Empty())
        return;
    for (size_t i = 1; i < count; ++i) {
        if (box.Contains(xs[i - 1], ys[i - 1]) && box.Contains(xs[i], ys[i]))
            DrawLineOnCanvas(xs[i - 1], ys[i - 1], xs[i], ys[i], SolidPlot{colour});
        else
            DrawLineIn(box, xs[i - 1], ys[i - 1], xs[i], ys[i], SolidPlot{colour});
    }
}

// Every line is defined by one formula, on an unbounded raster: along the
// major axis (the longer extent, x on ties) the k-th pixel, k = 0 … n − 1,
// stands k steps from the start, and along the minor axis
// floor((2·k·m + n) / 2n) steps, for n and m the major and minor extents.
// The end pixel (k = n) is left out. Clipping only narrows the range of k,
// so a clipped line keeps every pixel it has inside the box, and the work
// is bounded by the box's size whatever the coordinates. Lines that need it
// are few and their set-up is long: kept out of LineTo, so that the common
// case stays small enough to inline.
template <class Plot>
int64_t Canvas::DrawLineIn(const PixelBox& box, int64_t x0, int64_t y0, int64_t x1, int64_t y1,
                           Plot plot)
{
    const LineSteps line = StepsInside(x0 - box.left, y0 - box.top, x1 - box.left, y1 - box.top,
                                       box.right - box.left, box.bottom - box.top);
    const StepRange steps = line.steps;
    if (steps.Empty())
        return 0;

    // The error term at the first step: with k·m = q·n + r,
    // 2·k·m + n = 2q·n + (2r + n), so the minor offset is q + (2r + n) / 2n.
    const int64_t n = line.n, m = line.m;
    const int64_t twoN = 2 * n;
    const ProductDivision start = DivideProduct(steps.first, m, n);
    const int64_t minorOffset = start.quotient + (2 * start.remainder + n) / twoN;
    int64_t remainder = (2 * start.remainder + n) % twoN;
    // Walk the pixels by their index: one step along the major axis each
    // time, one along the minor axis whenever the error term overflows.
    const int64_t major = line.majorStart + line.majorStep * steps.first;
    const int64_t minor = line.minorStart + line.minorStep * minorOffset;
    const int64_t x = box.left + (line.xMajor ? major : minor);
    const int64_t y = box.top + (line.xMajor ? minor : major);
    assert(box.Contains(x, y) && Bounds().Contains(x, y));
    const int64_t majorStride = line.xMajor ? line.majorStep : line.majorStep * width_;
    const int64_t minorStride = line.xMajor ? line.minorStep * width_ : line.minorStep;
    const int64_t twoM = 2 * m;
    uint32_t* const pixels = pixels_.get();
    int64_t index = y * width_ + x;
    plot.StartAt(steps.first);
    for (int64_t k = steps.first; k <= steps.last; ++k) {
        plot(pixels + index);
        index += majorStride;
        remainder += twoM;
        if (TORSIVA_AT_MOST_HALF_THE_TIME(remainder >= twoN)) {
            remainder -= twoN;
            index += minorStride;
        }
    }
    return steps.last - steps.first + 1;
}

void Canvas::SmoothLine(double x0, double y0, double x1, double y1)
{
    if (const std::optional<WuSegment> segment = CutSmoothLine(x0, y0, x1, y1, width_, height_))
        BlendWuSegment(*segment);
}

void Canvas::BlendWuSegment(const WuSegment& segment)
{
    const PixelBox box = Clip(Bounds());
    const uint32_t colour = penColour_;
    uint32_t* const pixels = pixels_.get();
    WalkWuSegment(segment, [&](int64_t x, int64_t y, double coverage) {
        if (box.Contains(x, y) && coverage > 0.0) {
            uint32_t& pixel = pixels[Index(int(x), int(y))];
            pixel = Blend(pixel, colour, coverage);
        }
    });
}

void Canvas::CoverWuSegments(const WuSegment* segments, size_t count, uint32_t colour, PixelBox box)
{
    box = Clip(box);
    if (box.Empty())
        return;
    uint32_t* const pixels = pixels_.get();
    for (size_t i = 0; i < count; ++i)
        WalkWuSegment(segments[i], [&](int64_t x, int64_t y, double) {
            if (box.Contains(x, y))
                pixels[Index(int(x), int(y))] = colour;
        });
}
