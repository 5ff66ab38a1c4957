// SPDX-License-Identifier: MIT
// Where the picture and the controls right of it stand in a main dialog of a
// given client size, in logical pixels. No toolkit: plain arithmetic.
//
// The initial client area, 764 × 522, holds the 500-pixel picture at
// (150, 10) with 264 pixels of buttons and bars around it across and 22
// down. A larger window gives the picture the largest square that keeps that
// margin; the bars, their letters and the angle label follow its right edge
// and, as the bars lengthen with it, its growth downwards.
//
// With the flat picture shown, a second square of the same side stands
// kFlatPictureGap pixels right of the picture, the two sharing the width,
// and what stood right of the picture stands right of the flat one.
#pragma once

#include <algorithm>

#include "geometry/picture.h"

// Logical pixels between the figure's picture and the flat picture beside
// it; picture units in a document that holds both.
constexpr int kFlatPictureGap = 10;

struct LayoutRect {
    int x = 0, y = 0, width = 0, height = 0;
};

struct PictureLayout {
    static constexpr int kInitialClientWidth = 764;
    static constexpr int kInitialClientHeight = 522;
    static constexpr int kPictureX = 150;
    static constexpr int kPictureY = 10;
    static constexpr int kInitialSide = kPictureSize;
    static constexpr int kMarginAcross = kInitialClientWidth - kInitialSide; // 264
    static constexpr int kMarginDown = kInitialClientHeight - kInitialSide;  // 22

    int side = kInitialSide; // the picture's side, and the flat picture's
    bool flat = false;       // whether the flat picture stands beside it

    // The layout of a client area; a window smaller than the initial one (a
    // small screen) gets a smaller picture, of at least one pixel.
    static PictureLayout ForClient(int clientWidth, int clientHeight, bool flat = false)
    {
        const int across = flat ? (clientWidth - kMarginAcross - kFlatPictureGap) / 2
                                : clientWidth - kMarginAcross;
        return {std::max(1, std::min(across, clientHeight - kMarginDown)), flat};
    }

    LayoutRect Picture() const { return {kPictureX, kPictureY, side, side}; }
    LayoutRect FlatPicture() const
    {
        return {kPictureX + side + kFlatPictureGap, kPictureY, side, side};
    }

    // How far the controls right of the picture move across, and how much
    // the bars lengthen (and what stands below them moves down).
    int Shift() const { return side - kInitialSide + (flat ? kFlatPictureGap + side : 0); }
    int Growth() const { return std::max(0, side - kInitialSide); }

    // A bar of the initial layout, moved and lengthened.
    LayoutRect Bar(LayoutRect initial) const
    {
        return {initial.x + Shift(), initial.y, initial.width, initial.height + Growth()};
    }
    // A label under the bars, moved with them.
    LayoutRect BelowBars(LayoutRect initial) const
    {
        return {initial.x + Shift(), initial.y + Growth(), initial.width, initial.height};
    }
};
