// SPDX-License-Identifier: MIT
#include "page_flat_picture.h"

namespace {

// The same parts with their points in a picture's type, for the page's
// script to read alike.
PictureMark Developed(const FlatMark& flat)
{
    const auto As = [](FlatPoint p) { return PicturePoint{p.x, p.y}; };
    const auto Part = [&](const std::vector<FlatPoint>& part) {
        std::vector<PicturePoint> points;
        points.reserve(part.size());
        for (FlatPoint p : part)
            points.push_back(As(p));
        return points;
    };
    PictureMark mark;
    mark.shown = flat.shown;
    mark.point = As(flat.point);
    mark.generatrix = Part(flat.generatrix);
    mark.tangent = Part(flat.tangent);
    mark.arc = Part(flat.arc);
    mark.hasAngle = flat.hasAngle;
    mark.angleDeg = flat.angleDeg;
    return mark;
}

} // namespace

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
    const FlatMark flat = at ? MarkInPlane(point->Curve(), *at) : FlatMark{};
    mark_ = at ? FitMark(flat, cache_.Figure(figure, angleDeg).fit) : PictureMark{};
    developed_ = Developed(flat);
    DrawAngleMark(*canvas_, mark_, mapping);
    markedAt_ = at;
    figure_ = figure;
    angleDeg_ = angleDeg;
    mapping_ = mapping;
    ++redraws_;
}
