// SPDX-License-Identifier: MIT
#include "render/flat_cuts.h"

#include <algorithm>
#include <cmath>

#include "geometry/vec3.h"

namespace {

// Writes the pieces of one class, remembering the sheet the open piece lies
// on, so that a chord goes on with it only from the same sheet.
class PieceWriter {
public:
    PieceWriter(FlatPaths& paths, FlatClass what) : paths_(paths), what_(what) {}

    bool Continues(int64_t sheet) const { return open_ && sheet_ == sheet; }

    void Start(FlatPoint p, int64_t sheet)
    {
        Close();
        paths_.pieces.push_back({what_, uint32_t(paths_.x.size()), 0});
        open_ = true;
        sheet_ = sheet;
        Add(p);
    }

    void Add(FlatPoint p)
    {
        paths_.x.push_back(p.x);
        paths_.y.push_back(p.y);
        ++paths_.pieces.back().count;
    }

    void Close()
    {
        if (!open_)
            return;
        open_ = false;
        const FlatPiece piece = paths_.pieces.back();
        if (DrawsSomething(piece))
            return;
        paths_.x.resize(piece.first);
        paths_.y.resize(piece.first);
        paths_.pieces.pop_back();
    }

private:
    bool DrawsSomething(FlatPiece piece) const
    {
        for (uint32_t i = 1; i < piece.count; ++i)
            if (paths_.x[piece.first + i] != paths_.x[piece.first] ||
                paths_.y[piece.first + i] != paths_.y[piece.first])
                return true;
        return false;
    }

    FlatPaths& paths_;
    FlatClass what_;
    bool open_ = false;
    int64_t sheet_ = 0;
};

// The part of a chord, τ from `first` to `last` within [0, 1], that lies
// inside the outline; empty when first > last.
struct Span {
    double first = 0.0;
    double last = 1.0;
    bool Empty() const { return !(first <= last); }
};

double Beyond(double value, double low, double high)
{
    return value < low ? low - value : value > high ? value - high : 0.0;
}

bool WithinReach(const Development& d, size_t vertex)
{
    const double a = d.a[vertex];
    const double b = d.b[vertex];
    if (!std::isfinite(a) || !std::isfinite(b))
        return false;
    if (d.seam == SeamKind::Shift)
        return Beyond(a, d.box.left, d.box.right) <= kFlatReach &&
               Beyond(b, d.box.bottom, d.box.top) <= kFlatReach;
    return std::fabs(a) <= d.rim + kFlatReach && std::fabs(b) <= kFlatReach;
}

// Where y = from + τ·(to − from) lies within [low, high].
Span WithinBand(double from, double to, double low, double high)
{
    const bool fromInside = from >= low && from <= high;
    const bool toInside = to >= low && to <= high;
    if (fromInside && toInside)
        return {};
    if (from == to)
        return {1.0, 0.0};
    double t0 = (low - from) / (to - from);
    double t1 = (high - from) / (to - from);
    if (t0 > t1)
        std::swap(t0, t1);
    return {fromInside ? 0.0 : std::max(0.0, t0), toInside ? 1.0 : std::min(1.0, t1)};
}

// Where a + τ·(b − a) lies within the disc of radius `rim` about the origin.
// The roots are taken in the form that does not cancel.
Span WithinRim(FlatPoint a, FlatPoint b, bool aInside, bool bInside, double rim)
{
    if (aInside && bInside)
        return {};
    const double dx = b.x - a.x;
    const double dy = b.y - a.y;
    const double qa = dx * dx + dy * dy;
    const double qb = a.x * dx + a.y * dy; // half the linear coefficient
    const double qc = (a.x * a.x + a.y * a.y) - rim * rim;
    const double discriminant = qb * qb - qa * qc;
    if (qa == 0.0 || !(discriminant >= 0.0))
        return {1.0, 0.0};
    const double q = qb >= 0.0 ? -(qb + std::sqrt(discriminant)) : -qb + std::sqrt(discriminant);
    double t0 = q / qa;
    double t1 = q != 0.0 ? qc / q : t0;
    if (t0 > t1)
        std::swap(t0, t1);
    return {aInside ? 0.0 : std::max(0.0, t0), bInside ? 1.0 : std::min(1.0, t1)};
}

FlatPoint Along(FlatPoint a, FlatPoint b, double t)
{
    return {a.x + t * (b.x - a.x), a.y + t * (b.y - a.y)};
}

// Half a turn about the apex: from one sheet of the cone to the next.
FlatPoint Turned(FlatPoint p) { return {-p.x, -p.y}; }

// A chord of a development whose sheets lie side by side: cut to the band,
// then at every seam it crosses.
void CutShiftChord(const Development& d, size_t p, size_t q, SheetPoint to, PieceWriter& out)
{
    const double xp = d.a[p], yp = d.b[p], xq = d.a[q], yq = d.b[q];
    const Span span = WithinBand(yp, yq, d.bottom, d.top);
    if (span.Empty()) {
        out.Close();
        return;
    }
    const bool enters = span.first > 0.0;
    const bool leaves = span.last < 1.0;
    const bool rising = yq > yp;
    const FlatPoint start = enters
                                ? FlatPoint{xp + span.first * (xq - xp), rising ? d.bottom : d.top}
                                : FlatPoint{xp, yp};
    const FlatPoint end = leaves ? FlatPoint{xp + span.last * (xq - xp), rising ? d.top : d.bottom}
                                 : FlatPoint{xq, yq};
    int64_t sheet = SheetOf(d, start.x);
    const int64_t endSheet = SheetOf(d, end.x);
    if (enters || !out.Continues(sheet))
        out.Start({start.x - double(sheet) * d.period, start.y}, sheet);
    while (sheet != endSheet) {
        const bool rightwards = endSheet > sheet;
        const double seam = d.left + double(rightwards ? sheet + 1 : sheet) * d.period;
        const double t = (seam - xp) / (xq - xp);
        const double y = std::clamp(yp + t * (yq - yp), d.bottom, d.top);
        out.Add({rightwards ? d.left + d.period : d.left, y});
        sheet += rightwards ? 1 : -1;
        out.Start({rightwards ? d.left : d.left + d.period, y}, sheet);
    }
    out.Add(leaves ? FlatPoint{end.x - double(sheet) * d.period, end.y} : to.point);
    if (leaves)
        out.Close();
}

// A chord of the cone: both ends taken onto the start's sheet, cut to the
// rim, then where it meets the edge ray between the two sheets (Y = 0 on
// the start's sheet). A chord that turns half a turn or more about the apex
// has no straight image and is not drawn.
void CutHalfTurnChord(const Development& d, size_t p, size_t q, SheetPoint from, SheetPoint to,
                      PieceWriter& out)
{
    if (!(std::fabs(d.b[q] - d.b[p]) < Pi())) {
        out.Close();
        return;
    }
    const FlatPoint a = from.point;
    const FlatPoint b = to.sheet == from.sheet ? to.point : Turned(to.point);
    const Span span = WithinRim(a, b, d.a[p] <= d.rim, d.a[q] <= d.rim, d.rim);
    if (span.Empty()) {
        out.Close();
        return;
    }
    const bool enters = span.first > 0.0;
    const bool leaves = span.last < 1.0;
    FlatPoint start = enters ? Along(a, b, span.first) : a;
    FlatPoint end = leaves ? Along(a, b, span.last) : b;
    int64_t sheet = from.sheet;
    // a.y ≤ 0 ≤ b.y across the seam.
    const double seamT = to.sheet == from.sheet ? 2.0 : a.y == b.y ? 0.0 : a.y / (a.y - b.y);
    if (seamT <= span.first) {
        start = Turned(start);
        end = Turned(end);
        sheet = to.sheet;
    }
    if (enters || !out.Continues(sheet))
        out.Start(start, sheet);
    if (seamT > span.first && seamT < span.last) {
        const FlatPoint cut{a.x + seamT * (b.x - a.x), 0.0};
        out.Add(cut);
        out.Start(Turned(cut), to.sheet);
        end = Turned(end);
        sheet = to.sheet;
    }
    out.Add(!leaves && sheet == to.sheet ? to.point : end);
    if (leaves)
        out.Close();
}

// Each vertex is carried onto its sheet once, as the end of one chord and
// the start of the next.
void CutPolyline(const Development& d, FigurePolyline polyline, PieceWriter& out)
{
    bool hasPrevious = false;
    size_t previous = 0;
    SheetPoint previousOnSheet;
    for (uint32_t i = 0; i < polyline.count; ++i) {
        const size_t vertex = polyline.first + i;
        if (!WithinReach(d, vertex)) {
            out.Close();
            hasPrevious = false;
            continue;
        }
        const SheetPoint onSheet = OnSheet(d, vertex);
        if (hasPrevious) {
            if (d.seam == SeamKind::Shift)
                CutShiftChord(d, previous, vertex, onSheet, out);
            else
                CutHalfTurnChord(d, previous, vertex, previousOnSheet, onSheet, out);
        }
        previous = vertex;
        previousOnSheet = onSheet;
        hasPrevious = true;
    }
    out.Close();
}

} // namespace

FlatPaths CutDevelopment(const Development& d)
{
    FlatPaths paths;
    PieceWriter outline(paths, FlatClass::Outline);
    if (!d.outline.empty()) {
        outline.Start(d.outline.front(), 0);
        for (size_t i = 1; i < d.outline.size(); ++i)
            outline.Add(d.outline[i]);
        outline.Close();
    }
    PieceWriter wires(paths, FlatClass::Wire);
    for (FigurePolyline polyline : d.wire)
        CutPolyline(d, polyline, wires);
    PieceWriter curve(paths, FlatClass::Curve);
    for (FigurePolyline polyline : d.curve)
        CutPolyline(d, polyline, curve);
    return paths;
}
