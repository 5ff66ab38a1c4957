// SPDX-License-Identifier: MIT
#include "page_picture.h"

#include "render/draw_figure.h"

void CanvasToRgba(const uint32_t* pixels, int width, int side, uint8_t* rgba)
{
    for (int y = 0; y < side; ++y) {
        const uint32_t* row = pixels + size_t(y) * size_t(width);
        uint8_t* out = rgba + size_t(y) * size_t(side) * 4;
        for (int x = 0; x < side; ++x) {
            const uint32_t pixel = row[x];
            out[4 * x] = uint8_t(pixel >> 16);
            out[4 * x + 1] = uint8_t(pixel >> 8);
            out[4 * x + 2] = uint8_t(pixel);
            out[4 * x + 3] = uint8_t(pixel >> 24);
        }
    }
}

// The canvas allocates with new, which cannot report a failure without
// exceptions (the page is built without them): its memory is asked of malloc
// first, which can, and given back at once for the canvas to take. The
// pointer is kept in a volatile, or the compiler, seeing the block unused,
// would drop the malloc and its free and take the test for passed.
bool PagePicture::Allocate(int side)
{
    const size_t pixels = size_t(side) * size_t(side);
    uint8_t* bytes = static_cast<uint8_t*>(std::malloc(pixels * 4));
    if (!bytes)
        return false;
    rgba_.reset(bytes);
    void* volatile room = std::malloc(size_t(side) * size_t(side + kRowsBelowPicture) * 4);
    if (!room) {
        rgba_.reset();
        return false;
    }
    std::free(room);
    canvas_ = std::make_unique<Canvas>(Canvas::ForPicture(side));
    return true;
}

void PagePicture::Draw(const ViewState& view)
{
    // The same canvas serves every redraw at one scale and then costs only
    // what the last redraw drew on it.
    if (!canvas_ || madeFor_ != scale_) {
        // The old picture goes first, so that its memory counts towards
        // the new one.
        canvas_.reset();
        rgba_.reset();
        double scale = scale_;
        while (!Allocate(PictureSide(scale))) {
            if (scale <= kMinPictureScale)
                return;
            scale = DrawableScale(scale / 2);
        }
        madeFor_ = scale_;
        drawnScale_ = scale;
    }
    ComposeFigure(*canvas_, figures_, view, PictureMapping{drawnScale_, lines_});
    rgbaCurrent_ = false;
    ++redraws_;
}

const uint8_t* PagePicture::Rgba()
{
    if (!canvas_)
        return nullptr;
    if (!rgbaCurrent_) {
        CanvasToRgba(canvas_->Bits(), canvas_->Width(), canvas_->Width(), rgba_.get());
        rgbaCurrent_ = true;
    }
    return rgba_.get();
}
