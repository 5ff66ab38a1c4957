// SPDX-License-Identifier: MIT
#include "page_flat_picture.h"

void PageFlatPicture::Show(CurveKind figure, int angleDeg, PictureMapping mapping,
                           const PointControls* point)
{
    mapping.scale = DrawableScale(mapping.scale);
    const int side = PictureSide(mapping.scale);
    const std::optional<double> at = point ? point->Shown() : std::nullopt;
    if (canvas_ && canvas_->Width() == side && figure == figure_ && angleDeg == angleDeg_ &&
        mapping.lines == mapping_.lines && at == markedAt_)
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
    mark_ = at ? FitMark(MarkInPlane(point->Curve(), *at), cache_.Figure(figure, angleDeg).fit)
               : PictureMark{};
    DrawAngleMark(*canvas_, mark_, mapping);
    markedAt_ = at;
    figure_ = figure;
    angleDeg_ = angleDeg;
    mapping_ = mapping;
    ++redraws_;
}
