// SPDX-License-Identifier: MIT
// The page's picture: the canvas its redraws are composed on, kept from one
// redraw to the next as the desktop window keeps its own, and the same
// pixels as the bytes a browser's ImageData holds.
//
// The canvas holds 0xAARRGGBB words. WebAssembly's memory is little-endian,
// so their bytes run B, G, R, A, while ImageData wants R, G, B, A: every
// pixel is turned round once on its way out, into a buffer of its own.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>

#include "geometry/view_state.h"
#include "render/canvas.h"
#include "render/figure_model.h"
#include "render/picture_scale.h"

// The top `side` × `side` square of `pixels` (rows `width` words long) as
// R, G, B, A bytes, row after row.
void CanvasToRgba(const uint32_t* pixels, int width, int side, uint8_t* rgba);

class PagePicture {
public:
    // The scale the next redraw draws at, held to the drawable range as the
    // desktop's picture holds it (a ratio of 100 still draws at 16).
    void SetScale(double scale) { scale_ = DrawableScale(scale); }
    double Scale() const { return scale_; }
    void SetLineStyle(LineStyle lines) { lines_ = lines; }
    LineStyle Lines() const { return lines_; }

    // Composes the view (its frame rebuilt) at the scale. When the memory for
    // a picture of that size cannot be had, the scale is halved until it
    // can, down to the smallest; if even that fails, there is no picture
    // until a later redraw finds the memory. Nothing is thrown either way.
    void Draw(const ViewState& view);

    bool HasPicture() const { return canvas_ != nullptr; }
    // The side of the last picture in device pixels; 0 before the first.
    int Side() const { return canvas_ ? canvas_->Width() : 0; }
    // The scale the last picture was drawn at; it is less than Scale() only
    // when memory ran short.
    double DrawnScale() const { return drawnScale_; }
    // The last picture as Side() × Side() R, G, B, A bytes; null before the
    // first. Turned round once per redraw, when first asked for.
    const uint8_t* Rgba();
    // How many pictures have been drawn, so that a caller knows when to show
    // the next.
    uint64_t Redraws() const { return redraws_; }

private:
    struct FreeBytes {
        void operator()(uint8_t* bytes) const { std::free(bytes); }
    };
    // A canvas and its byte copy of `side` pixels, or false when the memory
    // cannot be had.
    bool Allocate(int side);

    double scale_ = 1.0;
    double madeFor_ = 0.0; // the scale asked for when the canvas was made
    double drawnScale_ = 1.0;
    LineStyle lines_ = LineStyle::Exact;
    std::unique_ptr<Canvas> canvas_; // none until the first redraw
    std::unique_ptr<uint8_t[], FreeBytes> rgba_;
    bool rgbaCurrent_ = false;
    FigureCache figures_;
    uint64_t redraws_ = 0;
};
