// SPDX-License-Identifier: MIT
#include "page_flat_picture.h"

void PageFlatPicture::Show(CurveKind figure, int angleDeg, PictureMapping mapping)
{
    mapping.scale = DrawableScale(mapping.scale);
    const int side = PictureSide(mapping.scale);
    if (canvas_ && canvas_->Width() == side && figure == figure_ && angleDeg == angleDeg_ &&
        mapping.lines == mapping_.lines)
        return;
    // One canvas for every drawing of one size, which then costs only what
    // the last drawing drew on it.
    if (!canvas_ || canvas_->Width() != side) {
        canvas_.reset();
        canvas_ = RgbaCanvasIfMemory(side);
        if (!canvas_)
            return;
    }
    ComposeFlatPicture(*canvas_, cache_, figure, angleDeg, mapping);
    figure_ = figure;
    angleDeg_ = angleDeg;
    mapping_ = mapping;
    ++redraws_;
}
