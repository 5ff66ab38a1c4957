// SPDX-License-Identifier: MIT
// The page's picture: the canvas its redraws are composed on, kept from one
// redraw to the next as the desktop window keeps its own, whose memory the
// browser shows as it is.
//
// A canvas holds 0xAARRGGBB words, whose bytes in WebAssembly's
// little-endian memory run B, G, R, A; a browser's ImageData wants R, G, B,
// A. So the page's canvas puts its pens and fills down with red and blue
// swapped, as 0xAABBGGRR: its memory then is the ImageData, and no pixel is
// copied or turned round on its way out. Smooth lines blend red and blue
// alike, so they come out swapped as well.
#pragma once

#include <cstdint>
#include <memory>

#include "geometry/view_state.h"
#include "render/angle_mark.h"
#include "render/canvas.h"
#include "render/figure_model.h"
#include "render/kept_canvas.h"
#include "render/picture_scale.h"
#include "render/tracers.h"

// 0xAARRGGBB as 0xAABBGGRR, and back.
constexpr uint32_t SwapRedBlue(uint32_t colour)
{
    return (colour & 0xFF00FF00u) | ((colour >> 16) & 0xFFu) | ((colour & 0xFFu) << 16);
}

// A kept canvas for a picture of `side` pixels whose every colour is
// swapped.
class RgbaCanvas final : public KeptCanvas {
public:
    explicit RgbaCanvas(int side) : KeptCanvas(Canvas::ForPicture(side)) {}

    void SelectFill(uint32_t colour) override { Canvas::SelectFill(SwapRedBlue(colour)); }
    void SelectPen(const Pen& pen) override
    {
        Canvas::SelectPen({pen.name, SwapRedBlue(pen.colour)});
    }
};

// A canvas for a picture of `side` pixels, or none when its memory cannot be
// had; the page is built without exceptions, so a failed allocation must be
// seen before it happens.
std::unique_ptr<RgbaCanvas> RgbaCanvasIfMemory(int side);

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
    // Draws the angle mark over the last picture, as the desktop's picture
    // does after the curve; nothing before the first.
    void DrawMark(const PictureMark& mark);
    // The figure of the last picture, as it was drawn.
    const FigureModel& Model(const ViewState& view)
    {
        return figures_.Model(view.curveKind, view.angleDeg, BuilderOf(view.curveKind));
    }

    bool HasPicture() const { return canvas_ != nullptr; }
    // The side of the last picture in device pixels; 0 before the first.
    int Side() const { return canvas_ ? canvas_->Width() : 0; }
    // The scale the last picture was drawn at; it is less than Scale() only
    // when memory ran short.
    double DrawnScale() const { return drawnScale_; }
    // The last picture as Side() rows of Side() R, G, B, A bytes; null
    // before the first.
    const uint8_t* Rgba() const
    {
        return canvas_ ? reinterpret_cast<const uint8_t*>(canvas_->Bits()) : nullptr;
    }
    // The box of the last picture that may have changed since it was last
    // asked, the whole picture when it is a new one; empty before the first.
    PixelBox TakeChanged() { return canvas_ ? canvas_->TakeChanged() : PixelBox{}; }
    // How many pictures have been drawn, so that a caller knows when to show
    // the next.
    uint64_t Redraws() const { return redraws_; }

private:
    double scale_ = 1.0;
    double madeFor_ = 0.0; // the scale asked for when the canvas was made
    double drawnScale_ = 1.0;
    LineStyle lines_ = LineStyle::Exact;
    std::unique_ptr<RgbaCanvas> canvas_; // none until the first redraw
    FigureCache figures_;
    uint64_t redraws_ = 0;
};
