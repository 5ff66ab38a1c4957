// SPDX-License-Identifier: MIT
#include "render/canvas.h"

#include <algorithm>
#include <cassert>
#include <cstdlib>

#include "geometry/always_inline.h"
#include "render/smooth_line.h"

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

Canvas::Canvas(int width, int height)
    : width_(width), height_(height), pixels_(new uint32_t[size_t(width) * size_t(height)])
{
    std::fill_n(pixels_.get(), size_t(width) * size_t(height), kOpaqueBlack);
}

Canvas::Canvas(Unpainted)
    : width_(kCanvasWidth), height_(kCanvasHeight),
      pixels_(new uint32_t[size_t(kCanvasWidth) * size_t(kCanvasHeight)])
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
    // Inside the rectangle the canvas now holds exactly what it paints, so
    // from here on only what is drawn over it can differ.
    const PaintedRectangle wanted{left, top, right, bottom, penColour_, fillColour_};
    if (hasPainted_ && painted_ == wanted && !forgotLines_)
        EraseDrawnLines();
    else
        PaintRectangle(left, top, right, bottom);
    painted_ = wanted;
    hasPainted_ = true;
    ForgetDrawnLines();
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

void Canvas::ForgetDrawnLines()
{
    drawnLines_.clear();
    drawnSmoothLines_.clear();
    eraseBudget_ = int64_t{width_} * int64_t{height_} / kEraseBudgetDivisor;
    forgotLines_ = false;
}

void Canvas::ForgetOverBudget()
{
    ForgetDrawnLines();
    forgotLines_ = true;
}

// Strictly inside the outline: every pixel of a line between two such
// points takes the fill.
bool Canvas::InsidePaintedOutline(int32_t x, int32_t y) const
{
    const PaintedRectangle& r = painted_;
    return x > r.left && int64_t{x} < int64_t{r.right} - 1 && y > r.top &&
           int64_t{y} < int64_t{r.bottom} - 1;
}

void Canvas::RestorePixel(int64_t x, int64_t y)
{
    const PaintedRectangle& r = painted_;
    if (x < 0 || x >= width_ || y < 0 || y >= height_ || x < r.left || x >= r.right || y < r.top ||
        y >= r.bottom)
        return;
    const bool outline =
        x == r.left || x == int64_t{r.right} - 1 || y == r.top || y == int64_t{r.bottom} - 1;
    pixels_[Index(int(x), int(y))] = outline ? r.pen : r.fill;
}

// A line is erased by drawing it again: in the fill where it lies within
// the outline, which is nearly always, and pixel by pixel where it meets or
// leaves the rectangle. Last line first: the next redraw draws its first
// lines near where the last one drew its own, and so finds them still in
// the cache (a fifth off a helix at scale 4).
void Canvas::EraseDrawnLines()
{
    for (auto line = drawnLines_.rbegin(); line != drawnLines_.rend(); ++line) {
        const DrawnLine& l = *line;
        if (OnCanvas(l.x0, l.y0) && OnCanvas(l.x1, l.y1) && InsidePaintedOutline(l.x0, l.y0) &&
            InsidePaintedOutline(l.x1, l.y1)) {
            DrawLineOnCanvas(l.x0, l.y0, l.x1, l.y1, painted_.fill);
            continue;
        }
        WalkClippedLine(l.x0, l.y0, l.x1, l.y1,
                        [this](int64_t index) { RestorePixel(index % width_, index / width_); });
    }
    EraseDrawnSmoothLines();
}

void Canvas::MoveTo(int32_t x, int32_t y)
{
    currentX_ = x;
    currentY_ = y;
}

// The common case, both ends on the canvas: the same steps as below, in
// 32-bit arithmetic and with no clipping. Most lines of a figure are a
// pixel or two long, so the set-up is what counts here, and the function is
// inlined into LineTo (about a fifth off the time of a figure's lines).
TORSIVA_ALWAYS_INLINE void Canvas::DrawLineOnCanvas(int32_t x0, int32_t y0, int32_t x1, int32_t y1,
                                                    uint32_t colour)
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
            *pixel = colour;
            remainder += 2 * ady;
            if (remainder >= 2 * adx) {
                remainder -= 2 * adx;
                pixel += yStride;
            }
            pixel += xStride;
        }
    } else {
        for (int32_t k = 0, remainder = ady; k < ady; ++k) {
            *pixel = colour;
            remainder += 2 * adx;
            if (remainder >= 2 * ady) {
                remainder -= 2 * ady;
                pixel += xStride;
            }
            pixel += yStride;
        }
    }
}

void Canvas::LineTo(int32_t x, int32_t y)
{
    const int32_t x0 = currentX_, y0 = currentY_;
    currentX_ = x;
    currentY_ = y;
    if (!OnCanvas(x0, y0) || !OnCanvas(x, y)) {
        DrawClippedLine(x0, y0, x, y);
        return;
    }
    // Each polyline starts with a line to its own first point: nothing to
    // remember.
    const int32_t steps = std::max(std::abs(x - x0), std::abs(y - y0));
    if (steps > 0 && Remembers(steps))
        drawnLines_.push_back({x0, y0, x, y});
    DrawLineOnCanvas(x0, y0, x, y, penColour_);
}

// Lines that leave the canvas are few and their set-up is long: kept out
// of LineTo, so that the common case stays small enough to inline.
void Canvas::DrawClippedLine(int64_t x0, int64_t y0, int64_t x1, int64_t y1)
{
    uint32_t* const pixels = pixels_.get();
    const uint32_t colour = penColour_;
    const int64_t drawn = WalkClippedLine(
        x0, y0, x1, y1, [pixels, colour](int64_t index) { pixels[index] = colour; });
    if (drawn > 0 && Remembers(drawn))
        drawnLines_.push_back({int32_t(x0), int32_t(y0), int32_t(x1), int32_t(y1)});
}

void Canvas::Polyline(const int32_t* xs, const int32_t* ys, size_t count)
{
    if (count == 0)
        return;
    Canvas::MoveTo(xs[0], ys[0]);
    for (size_t i = 0; i < count; ++i)
        Canvas::LineTo(xs[i], ys[i]);
}

// Every line is defined by one formula, on an unbounded raster: along the
// major axis (the longer extent, x on ties) the k-th pixel, k = 0 … n − 1,
// stands k steps from the start, and along the minor axis
// floor((2·k·m + n) / 2n) steps, for n and m the major and minor extents.
// The end pixel (k = n) is left out. Clipping only narrows the range of k,
// so a clipped line keeps every pixel it has inside the canvas, and the work
// is bounded by the canvas size whatever the coordinates.
template <class Put>
int64_t Canvas::WalkClippedLine(int64_t x0, int64_t y0, int64_t x1, int64_t y1, Put put)
{
    const int64_t dx = x1 - x0;
    const int64_t dy = y1 - y0;
    const bool xMajor = std::llabs(dx) >= std::llabs(dy);
    const int64_t majorStart = xMajor ? x0 : y0;
    const int64_t minorStart = xMajor ? y0 : x0;
    const int64_t majorDelta = xMajor ? dx : dy;
    const int64_t minorDelta = xMajor ? dy : dx;
    const int64_t n = std::llabs(majorDelta);
    const int64_t m = std::llabs(minorDelta);
    if (n == 0)
        return 0;
    const int64_t majorStep = majorDelta > 0 ? 1 : -1;
    const int64_t minorStep = minorDelta >= 0 ? 1 : -1;

    StepRange steps{0, n - 1};
    const StepRange majorInside = OffsetsInside(majorStart, majorStep, xMajor ? width_ : height_);
    steps.first = std::max(steps.first, majorInside.first);
    steps.last = std::min(steps.last, majorInside.last);
    const StepRange minorInside = OffsetsInside(minorStart, minorStep, xMajor ? height_ : width_);
    if (minorInside.last < 0 || (m == 0 && minorInside.first > 0))
        return 0;
    if (m > 0) {
        // The minor offset runs from 0 at k = 0 to m at k = n, so no bound
        // beyond m can cut the line. Bounded by m, the bounds keep every
        // product below 2^64 (n and m are below 2^32, being differences of
        // 32-bit coordinates), and the arithmetic stays in 64 bits.
        if (minorInside.first > m)
            return 0;
        if (minorInside.first > 0)
            steps.first = std::max(steps.first, FirstStepReaching(n, m, minorInside.first));
        steps.last = std::min(steps.last, LastStepWithin(n, m, std::min(minorInside.last, m)));
    }
    if (steps.Empty())
        return 0;

    // The error term at the first step: with k·m = q·n + r,
    // 2·k·m + n = 2q·n + (2r + n), so the minor offset is q + (2r + n) / 2n.
    const int64_t twoN = 2 * n;
    const ProductDivision start = DivideProduct(steps.first, m, n);
    const int64_t minorOffset = start.quotient + (2 * start.remainder + n) / twoN;
    int64_t remainder = (2 * start.remainder + n) % twoN;
    // Walk the pixels by their index: one step along the major axis each
    // time, one along the minor axis whenever the error term overflows.
    const int64_t major = majorStart + majorStep * steps.first;
    const int64_t minor = minorStart + minorStep * minorOffset;
    const int64_t x = xMajor ? major : minor;
    const int64_t y = xMajor ? minor : major;
    assert(x >= 0 && x < width_ && y >= 0 && y < height_);
    const int64_t majorStride = xMajor ? majorStep : majorStep * width_;
    const int64_t minorStride = xMajor ? minorStep * width_ : minorStep;
    const int64_t twoM = 2 * m;
    int64_t index = y * width_ + x;
    for (int64_t k = steps.first; k <= steps.last; ++k) {
        put(index);
        index += majorStride;
        remainder += twoM;
        if (remainder >= twoN) {
            remainder -= twoN;
            index += minorStride;
        }
    }
    return steps.last - steps.first + 1;
}

void Canvas::FillSpan(int64_t y, int64_t x0, int64_t x1, uint32_t colour)
{
    if (y < 0 || y >= height_)
        return;
    x0 = std::max<int64_t>(x0, 0);
    x1 = std::min<int64_t>(x1, width_);
    if (x0 >= x1)
        return;
    uint32_t* row = pixels_.get() + Index(0, int(y));
    std::fill(row + x0, row + x1, colour);
}

void Canvas::SmoothLine(double x0, double y0, double x1, double y1)
{
    const std::optional<WuSegment> segment = CutSmoothLine(x0, y0, x1, y1, width_, height_);
    if (!segment)
        return;
    // Two pixels a step along the major axis, and the two ends.
    const WuSegment& s = *segment;
    const double steps = std::max(std::abs(s.x1 - s.x0), std::abs(s.y1 - s.y0));
    if (Remembers(2 * (int64_t(steps) + 3)))
        drawnSmoothLines_.push_back(s);
    const uint32_t colour = penColour_;
    WalkWuSegment(s, [this, colour](int64_t x, int64_t y, double coverage) {
        if (x < 0 || x >= width_ || y < 0 || y >= height_ || !(coverage > 0.0))
            return;
        uint32_t& pixel = pixels_[Index(int(x), int(y))];
        pixel = Blend(pixel, colour, coverage);
    });
}

// Every pixel a smooth line may have blended into, whatever its weight.
void Canvas::EraseDrawnSmoothLines()
{
    for (const WuSegment& l : drawnSmoothLines_)
        WalkWuSegment(l, [this](int64_t x, int64_t y, double) { RestorePixel(x, y); });
}
