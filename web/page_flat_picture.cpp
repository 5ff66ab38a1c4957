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
    if (!kept_.Show(figure, angleDeg, mapping, point ? &point->Curve() : nullptr,
                    point ? point->Shown() : std::nullopt))
        return;
    developed_ = Developed(kept_.PlaneMark());
    ++redraws_;
}
