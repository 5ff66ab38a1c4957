#include <vector>

#include "geometry/view_frame.h"
#include "render/tracers.h"

namespace {

// Half the picture: a vertex projected beyond it lies outside the picture.
constexpr double kPictureHalf = 250.0;

bool InsidePicture(Vec3 picture)
{
    // Written so that a not-a-number coordinate counts as outside.
    return picture.x >= -kPictureHalf && picture.x <= kPictureHalf &&
           picture.y >= -kPictureHalf && picture.y <= kPictureHalf;
}

Pixel PixelOf(const std::vector<Vec3>& pictures, uint32_t vertex)
{
    return PixelOfPicture(pictures[vertex].x, pictures[vertex].y);
}

void TracePolyline(Canvas& canvas, const std::vector<Vec3>& pictures, FigurePolyline polyline,
                   bool stopOutsidePicture)
{
    const Pixel start = PixelOf(pictures, polyline.first);
    canvas.MoveTo(start.x, start.y);
    for (uint32_t i = polyline.first; i < polyline.first + polyline.count; ++i) {
        const Pixel pixel = PixelOf(pictures, i);
        canvas.LineTo(pixel.x, pixel.y);
        // The line to the first vertex outside is still drawn, and is the last.
        if (stopOutsidePicture && !InsidePicture(pictures[i]))
            return;
    }
}

} // namespace

void TraceModel(Canvas& canvas, const Pen& wirePen, const Pen& curvePen, const FigureModel& model,
                FigureCache& figures)
{
    std::vector<Vec3>& pictures = figures.Pictures();
    pictures.resize(model.vertices.size());
    ProjectPoints(model.vertices.data(), model.vertices.size(), pictures.data());

    canvas.SelectPen(wirePen);
    for (FigurePolyline polyline : model.wire)
        TracePolyline(canvas, pictures, polyline, false);
    canvas.SelectPen(curvePen);
    for (FigurePolyline polyline : model.curve)
        TracePolyline(canvas, pictures, polyline, model.curveStopsOutsidePicture);
}
