// SPDX-License-Identifier: MIT
#include "page_picture.h"

#include <cstdlib>

#include "render/draw_figure.h"

// The canvas allocates with new, which cannot report a failure without
// exceptions (the page is built without them): its memory is asked of malloc
// first, which can, and given back at once for the canvas to take. A quarter
// more covers its erase log at the most the log's budget lets it hold. The
// pointer is kept in a volatile, or the compiler, seeing the block unused,
// would drop the malloc and its free and take the test for passed.
std::unique_ptr<RgbaCanvas> RgbaCanvasIfMemory(int side)
{
    const size_t canvasBytes = size_t(side) * size_t(side + kRowsBelowPicture) * 4;
    void* volatile room = std::malloc(canvasBytes + canvasBytes / 4);
    if (!room)
        return nullptr;
    std::free(room);
    return std::make_unique<RgbaCanvas>(side);
}

void PagePicture::Draw(const ViewState& view)
{
    // The same canvas serves every redraw at one scale and then costs only
    // what the last redraw drew on it.
    if (!canvas_ || madeFor_ != scale_) {
        canvas_.reset(); // its memory counts towards the new one
        double scale = scale_;
        while (!(canvas_ = RgbaCanvasIfMemory(PictureSide(scale)))) {
            if (scale <= kMinPictureScale)
                return;
            scale = DrawableScale(scale / 2);
        }
        madeFor_ = scale_;
        drawnScale_ = scale;
    }
    ComposeFigure(*canvas_, figures_, view, PictureMapping{drawnScale_, lines_});
    ++redraws_;
}

void PagePicture::DrawMark(const PictureMark& mark)
{
    if (canvas_)
        DrawAngleMark(*canvas_, mark, PictureMapping{drawnScale_, lines_});
}
