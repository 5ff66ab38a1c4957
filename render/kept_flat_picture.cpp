// SPDX-License-Identifier: MIT
#include "render/kept_flat_picture.h"

std::unique_ptr<KeptCanvas> KeptFlatPicture::PlainCanvas(int side)
{
    return std::make_unique<KeptCanvas>(Canvas::ForPicture(side));
}

bool KeptFlatPicture::Show(CurveKind figure, int angleDeg, PictureMapping mapping,
                           const TracedCurve* curve, std::optional<double> point)
{
    mapping.scale = DrawableScale(mapping.scale);
    const int side = PictureSide(mapping.scale);
    if (!curve)
        point.reset();
    if (canvas_ && canvas_->Width() == side && figure == figure_ && angleDeg == angleDeg_ &&
        mapping.scale == mapping_.scale && mapping.lines == mapping_.lines && point == point_)
        return false;
    // One kept canvas for every redraw of one size: drawing again costs only
    // what the last redraw drew on it, not a fill of the whole square.
    if (!canvas_ || canvas_->Width() != side) {
        canvas_.reset(); // its memory counts towards the new one
        canvas_ = make_(side);
        if (!canvas_)
            return false;
    }
    ComposeFlatPicture(*canvas_, cache_, figure, angleDeg, mapping);
    planeMark_ = point ? MarkInPlane(*curve, *point) : FlatMark{};
    mark_ = point ? FitMark(planeMark_, Fit(figure, angleDeg)) : PictureMark{};
    DrawAngleMark(*canvas_, mark_, mapping);
    figure_ = figure;
    angleDeg_ = angleDeg;
    mapping_ = mapping;
    point_ = point;
    return true;
}
