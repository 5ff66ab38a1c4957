// SPDX-License-Identifier: MIT
#include <iterator>

#include "geometry/picture.h"
#include "geometry/view_frame.h"
#include "render/tracers.h"

namespace {

bool InsidePicture(double u, double v)
{
    // Written so that a not-a-number coordinate counts as outside.
    return u >= -kPictureHalf && u <= kPictureHalf && v >= -kPictureHalf && v <= kPictureHalf;
}

} // namespace

uint32_t DrawnCount(const ProjectedFigure& projected, FigurePolyline polyline,
                    bool stopOutsidePicture)
{
    if (!stopOutsidePicture)
        return polyline.count;
    for (uint32_t i = 0; i < polyline.count; ++i) {
        const uint32_t vertex = polyline.first + i;
        if (!InsidePicture(projected.u[vertex], projected.v[vertex]))
            return i + 1;
    }
    return polyline.count;
}

namespace {

void TracePolyline(Canvas& canvas, const ProjectedFigure& projected, FigurePolyline polyline,
                   bool stopOutsidePicture, LineStyle lines)
{
    const uint32_t count = DrawnCount(projected, polyline, stopOutsidePicture);
    if (lines == LineStyle::Exact) {
        canvas.Polyline(projected.px.data() + polyline.first, projected.py.data() + polyline.first,
                        count);
        return;
    }
    const double* x = projected.x.data() + polyline.first;
    const double* y = projected.y.data() + polyline.first;
    for (uint32_t i = 1; i < count; ++i)
        canvas.SmoothLine(x[i - 1], y[i - 1], x[i], y[i]);
}

void PositionsOfPictures(ProjectedFigure& projected, double scale)
{
    const size_t count = projected.u.size();
    projected.x.resize(count);
    projected.y.resize(count);
    for (size_t i = 0; i < count; ++i) {
        projected.x[i] = ScaledPictureX(projected.u[i], scale);
        projected.y[i] = ScaledPictureY(projected.v[i], scale);
    }
}

} // namespace

FigureBuilder BuilderOf(CurveKind figure)
{
    // By the kinds' values: None draws nothing.
    constexpr FigureBuilder kBuilders[] = {nullptr, HelixModel, ConicalHelixModel,
                                           SphericalHelixModel};
    const auto index = static_cast<unsigned>(figure);
    return index < std::size(kBuilders) ? kBuilders[index] : nullptr;
}

// Every vertex is projected once, in two tight loops, before any line is drawn.
const FigureModel& ProjectFigure(FigureCache& figures, const ViewState& view, FigureBuilder build,
                                 PictureMapping mapping)
{
    const FigureModel& model = figures.Model(view.curveKind, view.angleDeg, build);
    ProjectedFigure& projected = figures.Projected();
    const size_t count = model.VertexCount();
    projected.u.resize(count);
    projected.v.resize(count);
    projected.px.resize(count);
    projected.py.resize(count);
    ProjectPoints(view, model.x.data(), model.y.data(), model.z.data(), count, projected.u.data(),
                  projected.v.data());
    if (mapping.lines == LineStyle::Smooth)
        PositionsOfPictures(projected, mapping.scale);
    else
        PixelsOfPictures(projected.u.data(), projected.v.data(), count, mapping.scale,
                         projected.px.data(), projected.py.data());
    return model;
}

void TraceFigure(Canvas& canvas, const Pen& wirePen, const Pen& curvePen, FigureCache& figures,
                 const ViewState& view, FigureBuilder build, PictureMapping mapping)
{
    const FigureModel& model = ProjectFigure(figures, view, build, mapping);
    const ProjectedFigure& projected = figures.Projected();

    canvas.SelectPen(wirePen);
    for (FigurePolyline polyline : model.wire)
        TracePolyline(canvas, projected, polyline, false, mapping.lines);
    canvas.SelectPen(curvePen);
    for (FigurePolyline polyline : model.curve)
        TracePolyline(canvas, projected, polyline, model.curveStopsOutsidePicture, mapping.lines);
}
