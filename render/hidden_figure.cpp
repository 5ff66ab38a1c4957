// SPDX-License-Identifier: MIT
#include "render/hidden_figure.h"

#include "geometry/view_frame.h"
#include "render/contour.h"
#include "render/draw_figure.h"
#include "render/drawn_surfaces.h"
#include "render/polyline_course.h"
#include "render/tracers.h"

namespace {

// Points given by component projected as the plain figure projects its
// vertices: picture coordinates, then pixels or unrounded positions.
void ProjectRun(const ViewState& view, const double* x, const double* y, const double* z,
                size_t count, PictureMapping mapping, ProjectedFigure& projected)
{
    projected.u.resize(count);
    projected.v.resize(count);
    ProjectPoints(view, x, y, z, count, projected.u.data(), projected.v.data());
    if (mapping.lines == LineStyle::Smooth) {
        projected.x.resize(count);
        projected.y.resize(count);
        for (size_t i = 0; i < count; ++i) {
            projected.x[i] = ScaledPictureX(projected.u[i], mapping.scale);
            projected.y[i] = ScaledPictureY(projected.v[i], mapping.scale);
        }
        return;
    }
    projected.px.resize(count);
    projected.py.resize(count);
    PixelsOfPictures(projected.u.data(), projected.v.data(), count, mapping.scale,
                     projected.px.data(), projected.py.data());
}

// The contour's polylines as pieces of their own, all seen.
struct ContourRun {
    std::vector<double> x, y, z;
    std::vector<PolylinePiece> pieces;
};

ContourRun RunOf(const std::vector<std::vector<Vec3>>& lines)
{
    ContourRun run;
    for (const std::vector<Vec3>& line : lines) {
        run.pieces.push_back({uint32_t(run.x.size()), uint32_t(line.size()), false});
        for (Vec3 p : line) {
            run.x.push_back(p.x);
            run.y.push_back(p.y);
            run.z.push_back(p.z);
        }
    }
    return run;
}

} // namespace

HiddenFigure SplitFigure(const FigureModel& model, const ProjectedFigure& projected,
                         const ViewState& view)
{
    HiddenFigure figure;
    // Every vertex, and a cut for about one chord in ten.
    const size_t room = model.VertexCount() + model.VertexCount() / 10;
    figure.pieces.x.reserve(room);
    figure.pieces.y.reserve(room);
    figure.pieces.z.reserve(room);
    const SplitViewpoint viewpoint{DrawnSurfaceOf(view.curveKind, model), view.eye};
    const PolylineCourse wires = WireCourse(view.curveKind);
    for (FigurePolyline polyline : model.wire)
        SplitPolyline(viewpoint, wires, model, polyline, polyline.count, figure.pieces,
                      figure.pieces.wire);
    const PolylineCourse curve = CurveCourse(view.curveKind, view.angleDeg);
    for (FigurePolyline polyline : model.curve)
        SplitPolyline(viewpoint, curve, model, polyline,
                      DrawnCount(projected, polyline, model.curveStopsOutsidePicture),
                      figure.pieces, figure.pieces.curve);
    figure.contour = ContourLines(viewpoint.surface, view.eye);
    return figure;
}

double TracePiece(Canvas& canvas, const ProjectedFigure& points, uint32_t first, uint32_t count,
                  bool hidden, PictureMapping mapping, double phase)
{
    const DashPattern dashes = DashPatternAt(mapping.scale);
    if (mapping.lines == LineStyle::Exact) {
        const int32_t* xs = points.px.data() + first;
        const int32_t* ys = points.py.data() + first;
        if (!hidden) {
            canvas.Polyline(xs, ys, count);
            return phase;
        }
        return double(canvas.DashedPolyline(xs, ys, count, dashes, int64_t(phase)));
    }
    const double* x = points.x.data() + first;
    const double* y = points.y.data() + first;
    if (hidden)
        return canvas.DashedSmoothPolyline(x, y, count, dashes, phase);
    for (uint32_t i = 1; i < count; ++i)
        canvas.SmoothLine(x[i - 1], y[i - 1], x[i], y[i]);
    return phase;
}

void TraceHiddenFigure(Canvas& canvas, FigureCache& figures, const ViewState& view,
                       FigureBuilder build, PictureMapping mapping)
{
    // Only a curve that stops outside the picture needs its vertices
    // projected before it is split; the pieces are projected anyway.
    const FigureModel& model = figures.Model(view.curveKind, view.angleDeg, build);
    if (model.curveStopsOutsidePicture)
        ProjectFigure(figures, view, build, mapping);
    const HiddenFigure figure = SplitFigure(model, figures.Projected(), view);
    const HiddenPieces& pieces = figure.pieces;
    // Split, the model's projection has served: its space, kept from one
    // redraw to the next, takes the pieces' points.
    ProjectedFigure& points = figures.Projected();
    ProjectRun(view, pieces.x.data(), pieces.y.data(), pieces.z.data(), pieces.PointCount(),
               mapping, points);

    canvas.SelectPen(kWirePen);
    for (const PolylinePiece& piece : pieces.wire)
        if (!piece.hidden)
            TracePiece(canvas, points, piece.first, piece.count, false, mapping);

    const ContourRun contour = RunOf(figure.contour);
    ProjectedFigure contourPoints;
    ProjectRun(view, contour.x.data(), contour.y.data(), contour.z.data(), contour.x.size(),
               mapping, contourPoints);
    canvas.SelectPen(kContourPen);
    for (const PolylinePiece& piece : contour.pieces)
        TracePiece(canvas, contourPoints, piece.first, piece.count, false, mapping);

    canvas.SelectPen(kCurvePen);
    bool hiddenPen = false;
    for (const PolylinePiece& piece : pieces.curve) {
        if (piece.hidden != hiddenPen) {
            canvas.SelectPen(piece.hidden ? kHiddenCurvePen : kCurvePen);
            hiddenPen = piece.hidden;
        }
        TracePiece(canvas, points, piece.first, piece.count, piece.hidden, mapping);
    }
    if (hiddenPen)
        canvas.SelectPen(kCurvePen);
}

std::vector<PicturePath> HiddenPicturePaths(const FigureModel& model,
                                            const ProjectedFigure& projected, const ViewState& view)
{
    const HiddenFigure figure = SplitFigure(model, projected, view);
    const HiddenPieces& pieces = figure.pieces;
    ProjectedFigure points;
    ProjectRun(view, pieces.x.data(), pieces.y.data(), pieces.z.data(), pieces.PointCount(),
               PictureMapping{}, points);
    const ContourRun contour = RunOf(figure.contour);
    ProjectedFigure contourPoints;
    ProjectRun(view, contour.x.data(), contour.y.data(), contour.z.data(), contour.x.size(),
               PictureMapping{}, contourPoints);

    std::vector<PicturePath> paths;
    auto add = [&](const Pen& pen, const ProjectedFigure& from, const PolylinePiece& piece) {
        const size_t before = paths.size();
        AddPathsOfPolyline(paths, pen, from, {piece.first, piece.count}, piece.count);
        for (size_t i = before; i < paths.size(); ++i) {
            paths[i].part = pen.name;
            paths[i].dashed = piece.hidden;
        }
    };
    for (const PolylinePiece& piece : pieces.wire)
        if (!piece.hidden)
            add(kWirePen, points, piece);
    for (const PolylinePiece& piece : contour.pieces)
        add(kContourPen, contourPoints, piece);
    for (const PolylinePiece& piece : pieces.curve)
        add(piece.hidden ? kHiddenCurvePen : kCurvePen, points, piece);
    return paths;
}
