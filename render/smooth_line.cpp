// SPDX-License-Identifier: MIT
// Anti-aliased lines: Xiaolin Wu's method. Along the major axis each column
// (or row) gets the two pixels the ideal line passes between, each weighted
// by how close the line runs to its centre; the ends are weighted by how
// much of their pixel the segment covers.
#include <algorithm>
#include <cmath>
#include <utility>

#include "render/canvas.h"

namespace {

double FractionalPart(double x) { return x - std::floor(x); }

struct Segment {
    double x0, y0, x1, y1;
};

// Liang–Barsky: cuts the segment to the box, or returns false when it
// misses it. The box is a little larger than the canvas, so the cut ends
// lie off the canvas and no end weighting shows.
bool ClipToBox(Segment& s, double minX, double minY, double maxX, double maxY)
{
    const double dx = s.x1 - s.x0;
    const double dy = s.y1 - s.y0;
    double enter = 0.0, leave = 1.0;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {s.x0 - minX, maxX - s.x0, s.y0 - minY, maxY - s.y0};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0.0) {
            if (q[i] < 0.0)
                return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0.0)
            enter = std::max(enter, t);
        else
            leave = std::min(leave, t);
    }
    if (enter > leave)
        return false;
    // Far ends lose their precision in the products: the cut ends are held
    // to the box, which they must lie on or in.
    auto x = [&](double t) { return std::clamp(s.x0 + t * dx, minX, maxX); };
    auto y = [&](double t) { return std::clamp(s.y0 + t * dy, minY, maxY); };
    s = {x(enter), y(enter), x(leave), y(leave)};
    return true;
}

// Cuts the segment, in pixel-centre coordinates, to a box a little larger
// than a canvas of this size: false when nothing of it is left to draw.
bool CutToCanvas(Segment& s, int width, int height)
{
    // Ends not finite, or so far apart that their distance overflows, give
    // no line to draw.
    if (!std::isfinite(s.x1 - s.x0) || !std::isfinite(s.y1 - s.y0))
        return false;
    return ClipToBox(s, -2.0, -2.0, width + 1.0, height + 1.0);
}

// Calls plot(x, y, coverage) for the pixels a cut segment covers.
template <class Plot> void WalkSmoothSegment(Segment s, Plot plot)
{
    const bool steep = std::abs(s.y1 - s.y0) > std::abs(s.x1 - s.x0);
    if (steep) {
        std::swap(s.x0, s.y0);
        std::swap(s.x1, s.y1);
    }
    if (s.x0 > s.x1) {
        std::swap(s.x0, s.x1);
        std::swap(s.y0, s.y1);
    }
    const double dx = s.x1 - s.x0;
    const double gradient = dx == 0.0 ? 1.0 : (s.y1 - s.y0) / dx;
    auto put = [&](int64_t major, int64_t minor, double coverage) {
        if (steep)
            plot(minor, major, coverage);
        else
            plot(major, minor, coverage);
    };
    // Both ends: the pixel pair at the nearest whole major coordinate,
    // weighted by the part of that column the segment covers.
    auto putEnd = [&](double x, double y, double covered) {
        const double along = std::round(x);
        const double minor = y + gradient * (along - x);
        put(int64_t(along), int64_t(std::floor(minor)), (1.0 - FractionalPart(minor)) * covered);
        put(int64_t(along), int64_t(std::floor(minor)) + 1, FractionalPart(minor) * covered);
        return int64_t(along);
    };
    const int64_t first = putEnd(s.x0, s.y0, 1.0 - FractionalPart(s.x0 + 0.5));
    const int64_t last = putEnd(s.x1, s.y1, FractionalPart(s.x1 + 0.5));
    double minor = s.y0 + gradient * (double(first) + 1.0 - s.x0);
    for (int64_t major = first + 1; major < last; ++major) {
        const double below = std::floor(minor);
        put(major, int64_t(below), 1.0 - (minor - below));
        put(major, int64_t(below) + 1, minor - below);
        minor += gradient;
    }
}

} // namespace

// Red and blue blend side by side in one word, green in another: each
// channel becomes (pen·w + pixel·(256 − w) + 128) / 256, rounded, for a
// weight w of 0 to 256.
inline void Canvas::BlendPixel(int64_t x, int64_t y, uint32_t colour, double coverage)
{
    if (x < 0 || x >= width_ || y < 0 || y >= height_ || !(coverage > 0.0))
        return;
    uint32_t& pixel = pixels_[Index(int(x), int(y))];
    const uint32_t weight = uint32_t(std::min(coverage, 1.0) * 256.0 + 0.5);
    const uint32_t rest = 256 - weight;
    const uint32_t redBlue =
        ((colour & 0xFF00FFu) * weight + (pixel & 0xFF00FFu) * rest + 0x800080u) >> 8;
    const uint32_t green = ((colour & 0xFF00u) * weight + (pixel & 0xFF00u) * rest + 0x8000u) >> 8;
    pixel = kOpaqueBlack | (redBlue & 0xFF00FFu) | (green & 0xFF00u);
}

void Canvas::SmoothLine(double x0, double y0, double x1, double y1)
{
    // Pixel k covers [k, k + 1): its centre, where Wu's method puts whole
    // coordinates, is at k + 0.5.
    Segment s{x0 - 0.5, y0 - 0.5, x1 - 0.5, y1 - 0.5};
    if (!CutToCanvas(s, width_, height_))
        return;
    // Two pixels a step along the major axis, and the two ends.
    const double steps = std::max(std::abs(s.x1 - s.x0), std::abs(s.y1 - s.y0));
    if (Remembers(2 * (int64_t(steps) + 3)))
        drawnSmoothLines_.push_back({s.x0, s.y0, s.x1, s.y1});
    const uint32_t colour = penColour_;
    WalkSmoothSegment(s, [this, colour](int64_t x, int64_t y, double coverage) {
        BlendPixel(x, y, colour, coverage);
    });
}

// Every pixel a smooth line may have blended into, whatever its weight.
void Canvas::EraseDrawnSmoothLines()
{
    for (const DrawnSmoothLine& l : drawnSmoothLines_)
        WalkSmoothSegment({l.x0, l.y0, l.x1, l.y1},
                          [this](int64_t x, int64_t y, double) { RestorePixel(x, y); });
}
