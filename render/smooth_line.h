// SPDX-License-Identifier: MIT
// Anti-aliased lines: Xiaolin Wu's method, as a walk over the pixels a
// segment covers, each with its weight. It writes nothing: the canvas
// blends the pen by the weights, and a kept canvas walks a segment again to
// put back what was under it.
//
// A segment is given in canvas coordinates, pixel (x, y) covering
// [x, x + 1) × [y, y + 1), and walked in pixel-centre coordinates, where
// the centre of pixel k lies at k: the whole coordinates of Wu's method.
// Along the major axis (the longer extent, x on ties) each column (or row)
// gets the two pixels the ideal line passes between, each weighted by how
// close the line runs to its centre; the ends are weighted by how much of
// their column the segment covers. A segment with both ends in one column
// gets both end weights there.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <optional>
#include <utility>

// A segment in pixel-centre coordinates.
struct WuSegment {
    double x0, y0, x1, y1;
};

// The segment from (x0, y0) to (x1, y1), in canvas coordinates, moved to
// pixel-centre coordinates and cut to a box a little larger than a
// width × height canvas, so that its cut ends lie off the canvas and show no
// end weighting. None when nothing of it is left to walk: an end not finite,
// ends so far apart that their distance overflows, or a segment that misses
// the canvas.
std::optional<WuSegment> CutSmoothLine(double x0, double y0, double x1, double y1, int width,
                                       int height);

// Calls plot(x, y, coverage) for the pixels a cut segment covers; a pixel
// may come twice, and a coverage may be 0. Every pixel plotted has
// floor(min x) − 1 ≤ x ≤ floor(max x) + 2, min and max taken over the two
// ends, and the same for y.
template <class Plot> void WalkWuSegment(WuSegment s, Plot plot)
{
    auto fractionalPart = [](double x) { return x - std::floor(x); };
    // A steep segment is walked transposed, so that the major axis is
    // always x; the end with the smaller x comes first.
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
        put(int64_t(along), int64_t(std::floor(minor)), (1.0 - fractionalPart(minor)) * covered);
        put(int64_t(along), int64_t(std::floor(minor)) + 1, fractionalPart(minor) * covered);
        return int64_t(along);
    };
    const int64_t first = putEnd(s.x0, s.y0, 1.0 - fractionalPart(s.x0 + 0.5));
    const int64_t last = putEnd(s.x1, s.y1, fractionalPart(s.x1 + 0.5));
    double minor = s.y0 + gradient * (double(first) + 1.0 - s.x0);
    for (int64_t major = first + 1; major < last; ++major) {
        const double below = std::floor(minor);
        put(major, int64_t(below), 1.0 - (minor - below));
        put(major, int64_t(below) + 1, minor - below);
        minor += gradient;
    }
}
