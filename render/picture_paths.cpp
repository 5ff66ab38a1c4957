// SPDX-License-Identifier: MIT
#include "render/picture_paths.h"

#include <cmath>

#include "geometry/picture.h"
#include "geometry/view_frame.h"
#include "render/draw_figure.h"
#include "render/hidden_figure.h"
#include "render/tracers.h"

namespace {

bool WithinReach(double u, double v)
{
    // Not-a-number and infinity fail the first test; the squared distance
    // may overflow to infinity, which is beyond reach as it should be.
    return std::isfinite(u) && std::isfinite(v) && u * u + v * v <= kPathReach * kPathReach;
}

} // namespace

void AddPathsOfPolyline(std::vector<PicturePath>& paths, const Pen& pen,
                        const ProjectedFigure& projected, FigurePolyline polyline, uint32_t drawn)
{
    bool open = false;
    for (uint32_t i = 0; i < drawn; ++i) {
        const uint32_t vertex = polyline.first + i;
        const double u = projected.u[vertex];
        const double v = projected.v[vertex];
        if (!WithinReach(u, v)) {
            open = false;
            continue;
        }
        if (!open) {
            paths.push_back({pen, {}});
            paths.back().points.reserve(drawn - i); // at most the rest of the polyline
        }
        open = true;
        paths.back().points.push_back({kPictureHalf + u, kPictureHalf - v});
    }
}

std::vector<PicturePath> PathsOfProjection(const FigureModel& model,
                                           const ProjectedFigure& projected)
{
    std::vector<PicturePath> paths;
    for (FigurePolyline polyline : model.wire)
        AddPathsOfPolyline(paths, kWirePen, projected, polyline, polyline.count);
    for (FigurePolyline polyline : model.curve)
        AddPathsOfPolyline(paths, kCurvePen, projected, polyline,
                           DrawnCount(projected, polyline, model.curveStopsOutsidePicture));
    return paths;
}

std::vector<PicturePath> PicturePaths(const ViewState& view)
{
    const FigureBuilder build = BuilderOf(view.curveKind);
    if (!build)
        return {};
    FigureCache figures;
    const ViewState framed = Framed(view);
    const FigureModel& model = ProjectFigure(figures, framed, build, PictureMapping{});
    if (view.hiddenParts)
        return HiddenPicturePaths(model, figures.Projected(), framed);
    return PathsOfProjection(model, figures.Projected());
}
