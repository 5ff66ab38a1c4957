// SPDX-License-Identifier: MIT
// The pixels of a line by its defining formula, computed independently of the
// canvas's clipping: for every position along the major axis that lies on the
// canvas, the one pixel the line has there. Shared by the canvas tests and the
// line fuzzer; plain C++, no test framework.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "render/canvas.h"

struct LinePixel {
    int32_t x;
    int32_t y;
};

// The pixels the line from (x0, y0) to (x1, y1) paints on a canvas of this
// size, in drawing order along the major axis. The k-th pixel,
// k = 0 … n − 1, stands k steps along the major axis (the longer extent, x on
// ties) and floor((2·k·m + n) / 2n) steps along the minor one, for n and m the
// major and minor extents; the end pixel is left out. There is at most one
// pixel per position along the major axis, so no pixel is listed twice.
inline std::vector<LinePixel> ReferenceLinePixels(int64_t x0, int64_t y0, int64_t x1, int64_t y1,
                                                  int width = kCanvasWidth,
                                                  int height = kCanvasHeight)
{
    std::vector<LinePixel> pixels;
    const int64_t dx = x1 - x0, dy = y1 - y0;
    const bool xMajor = (dx < 0 ? -dx : dx) >= (dy < 0 ? -dy : dy);
    const int64_t majorStart = xMajor ? x0 : y0, minorStart = xMajor ? y0 : x0;
    const int64_t majorDelta = xMajor ? dx : dy, minorDelta = xMajor ? dy : dx;
    const int64_t n = majorDelta < 0 ? -majorDelta : majorDelta;
    const int64_t m = minorDelta < 0 ? -minorDelta : minorDelta;
    const int majorSize = xMajor ? width : height;
    const int minorSize = xMajor ? height : width;
    for (int major = 0; major < majorSize && n > 0; ++major) {
        const int64_t k = majorDelta > 0 ? major - majorStart : majorStart - major;
        if (k < 0 || k >= n)
            continue;
        // k < n and m ≤ n are below 2^32, so k·m fits in 64 unsigned bits;
        // with k·m = q·n + r the offset is q + (2r + n) / 2n.
        const uint64_t km = uint64_t(k) * uint64_t(m);
        const uint64_t r = km % uint64_t(n);
        const int64_t offset = int64_t(km / uint64_t(n) + (2 * r + uint64_t(n)) / uint64_t(2 * n));
        const int64_t minor = minorDelta >= 0 ? minorStart + offset : minorStart - offset;
        if (minor < 0 || minor >= minorSize)
            continue;
        const int64_t x = xMajor ? major : minor, y = xMajor ? minor : major;
        pixels.push_back({int32_t(x), int32_t(y)});
    }
    return pixels;
}

// The same as one entry per canvas pixel, row by row: 1 where the line paints.
inline std::vector<uint8_t> ReferenceLine(int64_t x0, int64_t y0, int64_t x1, int64_t y1,
                                          int width = kCanvasWidth, int height = kCanvasHeight)
{
    std::vector<uint8_t> painted(size_t(width) * size_t(height), 0);
    for (LinePixel pixel : ReferenceLinePixels(x0, y0, x1, y1, width, height))
        painted[size_t(pixel.y) * size_t(width) + size_t(pixel.x)] = 1;
    return painted;
}
