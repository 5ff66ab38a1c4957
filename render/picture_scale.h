// SPDX-License-Identifier: MIT
// How large a redraw is drawn, and how its lines are drawn.
//
// The picture is 500 × 500 picture pixels; drawn at scale s it is
// N = round(500·s) device pixels square, and picture coordinates (u, v) fall
// on (s·(250 + u), s·(250 − v)). Scale 1 is the exact 500-pixel picture.
#pragma once

#include <cmath>

#include "render/canvas.h"

// The scales a picture may be drawn at: a 2000-pixel picture is 16 MB, so
// the largest, 8000 pixels square, already takes 256 MB.
constexpr double kMinPictureScale = 0.25;
constexpr double kMaxPictureScale = 16.0;

inline bool IsValidPictureScale(double scale)
{
    return scale >= kMinPictureScale && scale <= kMaxPictureScale; // false for not-a-number
}

// A scale that can be drawn: not-a-number is 1, and the rest is held to
// the valid range, so that no caller can ask for an unbounded picture.
inline double DrawableScale(double scale)
{
    if (std::isnan(scale))
        return 1.0;
    return scale < kMinPictureScale   ? kMinPictureScale
           : scale > kMaxPictureScale ? kMaxPictureScale
                                      : scale;
}

// The picture's side in device pixels, N = round(500·s), at a drawable scale.
inline int PictureSide(double scale)
{
    return int(std::lround(kPictureSize * DrawableScale(scale)));
}

enum class LineStyle {
    Exact,  // 1-pixel lines between the truncated vertex pixels
    Smooth, // anti-aliased lines between the unrounded vertex positions
};

struct PictureMapping {
    double scale = 1.0;
    LineStyle lines = LineStyle::Exact;
};
