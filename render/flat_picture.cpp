// SPDX-License-Identifier: MIT
#include "render/flat_picture.h"

#include <algorithm>
#include <cmath>

#include "geometry/picture.h"
#include "geometry/view_frame.h"
#include "render/development.h"
#include "render/draw_figure.h"

namespace {

// The outline in the wires' colour, named apart in operation logs.
constexpr Pen kOutlinePen{"outline", kWirePen.colour};

} // namespace

FlatFit FitFlat(const FlatBox& box)
{
    const double width = box.right - box.left;
    const double height = box.top - box.bottom;
    const double extent = std::max(width, height);
    if (!(extent > 0.0) || !std::isfinite(extent))
        return {1.0, kPictureHalf, kPictureHalf};
    const double k = (kPictureSize - 2.0 * kFlatMargin) / extent;
    return {k, kPictureHalf - k * (box.left + box.right) / 2.0,
            kPictureHalf + k * (box.bottom + box.top) / 2.0};
}

namespace {

// Whether b lies on the straight way from a to c: turning by less than
// 10^-12 radians and going on forwards. Less than a thousandth of a pixel
// over the longest run at the largest picture.
bool OnTheWay(FlatPoint a, FlatPoint b, FlatPoint c)
{
    const double ux = b.x - a.x, uy = b.y - a.y;
    const double vx = c.x - b.x, vy = c.y - b.y;
    const double cross = ux * vy - uy * vx;
    const double dot = ux * vx + uy * vy;
    // |u × v| ≤ 10^-12·|u|·|v|, squared.
    return dot >= 0.0 && cross * cross <= 1e-24 * (ux * ux + uy * uy) * (vx * vx + vy * vy);
}

FlatPaths StraightRuns(const FlatPaths& paths)
{
    FlatPaths drawn;
    drawn.pieces.reserve(paths.pieces.size());
    for (const FlatPiece& piece : paths.pieces) {
        const uint32_t first = uint32_t(drawn.x.size());
        auto keep = [&](FlatPoint p) {
            drawn.x.push_back(p.x);
            drawn.y.push_back(p.y);
        };
        keep(paths.Point(piece.first));
        const uint32_t end = piece.first + piece.count;
        for (uint32_t i = piece.first + 1; i + 1 < end; ++i) {
            const FlatPoint last{drawn.x.back(), drawn.y.back()};
            if (!OnTheWay(last, paths.Point(i), paths.Point(i + 1)))
                keep(paths.Point(i));
        }
        keep(paths.Point(end - 1));
        drawn.pieces.push_back({piece.what, first, uint32_t(drawn.x.size()) - first});
    }
    return drawn;
}

} // namespace

FlatFigure MakeFlatFigure(CurveKind figure, int angleDeg)
{
    const Development development = Develop(figure, angleDeg);
    FlatPaths paths = CutDevelopment(development);
    FlatPaths drawn = StraightRuns(paths);
    return {figure, angleDeg, std::move(paths), std::move(drawn), FitFlat(development.box)};
}

const FlatFigure& FlatCache::Figure(CurveKind figure, int angleDeg)
{
    if (!valid_ || figure != flat_.figure || angleDeg != flat_.angleDeg) {
        flat_ = MakeFlatFigure(figure, angleDeg);
        valid_ = true;
    }
    return flat_;
}

const Pen& FlatPen(FlatClass what)
{
    switch (what) {
    case FlatClass::Outline:
        return kOutlinePen;
    case FlatClass::Wire:
        return kWirePen;
    case FlatClass::Curve:
        break;
    }
    return kCurvePen;
}

namespace {

// The pieces come class by class, so the pen changes three times at most.
void SelectPenOf(Canvas& canvas, FlatClass what, const Pen*& current)
{
    const Pen& pen = FlatPen(what);
    if (current != &pen)
        canvas.SelectPen(pen);
    current = &pen;
}

// A vertical line writes one pixel a row, and on a large picture reaches a
// new page of memory at nearly every pixel (a row of 2000 pixels is 8000
// bytes). Drawn a band of rows at a time across all of them, the vertical
// wires of the cylinder and the sphere visit each page once a band rather
// than once a wire. The pixels are the same: each still covers its rows from
// its first pixel up to, and not including, its last.
constexpr int32_t kRowsPerBand = 32;

// The rows a vertical line from row `from` to row `to` draws.
PixelColumn ColumnOf(int32_t x, int32_t from, int32_t to)
{
    return from <= to ? PixelColumn{x, from, to} : PixelColumn{x, to + 1, from + 1};
}

void DrawColumnsInBands(Canvas& canvas, const std::vector<PixelColumn>& columns)
{
    if (columns.empty())
        return;
    // Within the canvas only: nothing outside it is drawn anyway.
    int32_t top = canvas.Height(), bottom = 0;
    for (const PixelColumn& c : columns) {
        top = std::min(top, std::max(c.top, 0));
        bottom = std::max(bottom, std::min(c.bottom, canvas.Height()));
    }
    for (int32_t band = top; band < bottom; band += kRowsPerBand)
        for (const PixelColumn& c : columns) {
            const int32_t from = std::max(c.top, band);
            const int32_t to = std::min(c.bottom, band + kRowsPerBand);
            if (from < to) {
                canvas.MoveTo(c.x, from);
                canvas.LineTo(c.x, to);
            }
        }
}

// Every drawn point's pixel: (trunc(s·(k·X + e)), trunc(s·(f − k·Y))).
void PixelsOf(const FlatFigure& flat, double scale, FlatPixels& pixels)
{
    const FlatPaths& paths = flat.drawn;
    const size_t count = paths.x.size();
    pixels.x.resize(count);
    pixels.y.resize(count);
    const FlatFit fit = flat.fit;
    for (size_t i = 0; i < count; ++i) {
        pixels.x[i] = TruncToPixel(scale * (fit.k * paths.x[i] + fit.e));
        pixels.y[i] = TruncToPixel(scale * (fit.f - fit.k * paths.y[i]));
    }
}

void DrawExact(Canvas& canvas, FlatPixels& pixels, const FlatFigure& flat, double scale)
{
    PixelsOf(flat, scale, pixels);
    const FlatPaths& paths = flat.drawn;
    // The wires all come before the curve, in one colour: drawing the
    // vertical ones last among them changes no pixel.
    std::vector<PixelColumn>& columns = pixels.columns;
    columns.clear();
    const Pen* pen = nullptr;
    for (const FlatPiece& piece : paths.pieces) {
        const uint32_t last = piece.first + piece.count - 1;
        if (piece.what == FlatClass::Wire && piece.count == 2 &&
            pixels.x[piece.first] == pixels.x[last]) {
            columns.push_back(ColumnOf(pixels.x[last], pixels.y[piece.first], pixels.y[last]));
            continue;
        }
        if (piece.what == FlatClass::Curve && !columns.empty()) {
            SelectPenOf(canvas, FlatClass::Wire, pen);
            DrawColumnsInBands(canvas, columns);
            columns.clear();
        }
        SelectPenOf(canvas, piece.what, pen);
        canvas.Polyline(pixels.x.data() + piece.first, pixels.y.data() + piece.first, piece.count);
    }
    if (!columns.empty()) {
        SelectPenOf(canvas, FlatClass::Wire, pen);
        DrawColumnsInBands(canvas, columns);
    }
}

void DrawSmooth(Canvas& canvas, const FlatFigure& flat, double scale)
{
    const FlatPaths& paths = flat.drawn;
    const FlatFit fit = flat.fit;
    auto x = [&](size_t i) { return scale * (fit.k * paths.x[i] + fit.e); };
    auto y = [&](size_t i) { return scale * (fit.f - fit.k * paths.y[i]); };
    const Pen* pen = nullptr;
    for (const FlatPiece& piece : paths.pieces) {
        SelectPenOf(canvas, piece.what, pen);
        for (uint32_t i = piece.first + 1; i < piece.first + piece.count; ++i)
            canvas.SmoothLine(x(i - 1), y(i - 1), x(i), y(i));
    }
}

} // namespace

void ComposeFlatPicture(Canvas& canvas, FlatCache& cache, CurveKind figure, int angleDeg,
                        PictureMapping mapping)
{
    mapping.scale = DrawableScale(mapping.scale);
    PaintPictureSquare(canvas, mapping.scale);
    if (figure != CurveKind::Helix && figure != CurveKind::ConicalHelix &&
        figure != CurveKind::SphericalHelix)
        return;
    const FlatFigure& flat = cache.Figure(figure, angleDeg);
    if (mapping.lines == LineStyle::Exact)
        DrawExact(canvas, cache.Pixels(), flat, mapping.scale);
    else
        DrawSmooth(canvas, flat, mapping.scale);
}

std::vector<PicturePath> FlatPicturePaths(const FlatFigure& flat)
{
    std::vector<PicturePath> paths;
    paths.reserve(flat.paths.pieces.size());
    for (const FlatPiece& piece : flat.paths.pieces) {
        PicturePath path{FlatPen(piece.what), {}};
        path.points.reserve(piece.count);
        for (uint32_t i = piece.first; i < piece.first + piece.count; ++i)
            path.points.push_back(flat.fit.Apply(flat.paths.Point(i)));
        paths.push_back(std::move(path));
    }
    return paths;
}
