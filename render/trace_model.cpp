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
                   bool stopOutsidePicture)
{
    canvas.Polyline(projected.px.data() + polyline.first, projected.py.data() + polyline.first,
                    DrawnCount(projected, polyline, stopOutsidePicture));
}

// Every vertex is projected once, in two tight loops, before any line is drawn.
void Project(const FigureModel& model, ProjectedFigure& projected)
{
    const size_t count = model.VertexCount();
    projected.u.resize(count);
    projected.v.resize(count);
    projected.px.resize(count);
    projected.py.resize(count);
    ProjectPoints(model.x.data(), model.y.data(), model.z.data(), count, projected.u.data(),
                  projected.v.data());
    PixelsOfPictures(projected.u.data(), projected.v.data(), count, projected.px.data(),
                     projected.py.data());
}

} // namespace

void TraceFigure(Canvas& canvas, const Pen& wirePen, const Pen& curvePen, FigureCache& figures,
                 CurveKind figure, FigureBuilder build)
{
    const FigureModel& model = figures.Model(figure, View().angleDeg, build);
    ProjectedFigure& projected = figures.Projected();
    Project(model, projected);

    canvas.SelectPen(wirePen);
    for (FigurePolyline polyline : model.wire)
        TracePolyline(canvas, projected, polyline, false);
    canvas.SelectPen(curvePen);
    for (FigurePolyline polyline : model.curve)
        TracePolyline(canvas, projected, polyline, model.curveStopsOutsidePicture);
}
