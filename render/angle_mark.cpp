// SPDX-License-Identifier: MIT
#include "render/angle_mark.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

#include "geometry/view_frame.h"
#include "geometry/visibility.h"
#include "render/drawn_surfaces.h"
#include "render/tracers.h"

namespace {

constexpr double kHalfLength = kMarkLength / 2;
// Enough that a chord of the arc or of the meridian lies well within a
// pixel of it at the largest picture.
constexpr int kArcSegments = 24;
constexpr int kMeridianSegments = 16;
constexpr int kDotRingCorners = 8;

Vec3 Unit(Vec3 v) { return Scale(1.0 / Length(ToUnitRange(v)), ToUnitRange(v)); }

// The segment through `centre` along `direction`, `half` each way.
std::vector<Vec3> Segment(Vec3 centre, Vec3 direction, double half)
{
    const Vec3 unit = Unit(direction);
    return {Add(centre, Scale(-half, unit)), Add(centre, Scale(half, unit))};
}

// The arc about `centre` from the generatrix's half to the tangent's half
// that makes the measured angle with it: the tangent turned towards the
// generatrix if it points away. None where the two are parallel.
std::vector<Vec3> Arc(Vec3 centre, Vec3 generatrix, Vec3 tangent, double angleDeg)
{
    const Vec3 g = Unit(generatrix);
    Vec3 t = Unit(tangent);
    if (Dot(t, g) < 0.0)
        t = Scale(-1.0, t);
    const Vec3 across = Subtract(t, Scale(Dot(t, g), g));
    if (!(Length(across) > 0.0))
        return {};
    const Vec3 n = Unit(across);
    const double angle = angleDeg * (Pi() / 180.0);
    std::vector<Vec3> arc;
    arc.reserve(kArcSegments + 1);
    for (int i = 0; i <= kArcSegments; ++i) {
        const double phi = angle * i / kArcSegments;
        arc.push_back(Add(
            centre, Scale(kMarkArcRadius, Add(Scale(std::cos(phi), g), Scale(std::sin(phi), n)))));
    }
    return arc;
}

// The tangent, the arc and the angle, from the two directions at the point.
template <class Point>
void AddDirections(MarkParts<Point>& mark, Vec3 point, Vec3 generatrix, Vec3 tangent,
                   Point (*back)(Vec3))
{
    mark.hasAngle = true;
    mark.angleDeg = AngleBetweenDeg(tangent, generatrix);
    for (Vec3 p : Segment(point, tangent, kHalfLength))
        mark.tangent.push_back(back(p));
    for (Vec3 p : Arc(point, generatrix, tangent, mark.angleDeg))
        mark.arc.push_back(back(p));
}

Vec3 Same(Vec3 p) { return p; }
FlatPoint ToFlat(Vec3 p) { return {p.x, p.y}; }

// The generatrix in space, cut to the surface as drawn.
std::vector<Vec3> GeneratrixInSpace(const TracedCurve& curve, double parameter,
                                    const CurvePoint& at)
{
    const Vec3 p = at.position;
    switch (curve.figure) {
    case CurveKind::Helix: {
        const double low = std::max(p.z - kHalfLength, curve.low);
        const double high = std::min(p.z + kHalfLength, curve.high);
        if (!(low < high))
            return {};
        return {{p.x, p.y, low}, {p.x, p.y, high}};
    }
    case CurveKind::ConicalHelix: {
        // Along the ruling from the apex, by slant.
        const Vec3 apex{0.0, 0.0, ConeDimensions::kApexHeight};
        const Vec3 out = Unit(at.generatrix);
        const double slant = Length(Subtract(p, apex));
        const double from = std::max(slant - kHalfLength, curve.low);
        const double to = std::min(slant + kHalfLength, curve.high);
        if (!(from < to))
            return {};
        return {Add(apex, Scale(from, out)), Add(apex, Scale(to, out))};
    }
    case CurveKind::SphericalHelix: {
        // Along the meridian, by colatitude: an arc of the sphere.
        const double half = kHalfLength / SphereDimensions::kRadius;
        const double from = std::max(parameter - half, curve.low);
        const double to = std::min(parameter + half, curve.high);
        if (!(from < to))
            return {};
        const double lambda = LoxodromeLongitude(parameter, curve.angleDeg);
        const double c = std::cos(lambda), s = std::sin(lambda);
        std::vector<Vec3> meridian;
        for (int i = 0; i <= kMeridianSegments; ++i)
            meridian.push_back(SpherePoint(c, s, from + (to - from) * i / kMeridianSegments));
        return meridian;
    }
    default:
        return {};
    }
}

// The point and its two directions in the flat picture, carried onto sheet
// 0, and how far the outline reaches along the generatrix's image: from
// `low` to `high` in Y (a vertical line), or in slant from the apex (a ray).
struct FlatPointAt {
    bool inside = false;
    Vec3 point, generatrix, tangent;
    bool ray = false;
    double along = 0.0; // the point's Y, or its slant
    double low = 0.0, high = 0.0;
};

// The generatrix's image cut to the outline.
std::vector<Vec3> FlatGeneratrix(const FlatPointAt& flat)
{
    const double from = std::max(flat.along - kHalfLength, flat.low);
    const double to = std::min(flat.along + kHalfLength, flat.high);
    if (!(from < to))
        return {};
    if (flat.ray)
        return {Scale(from, flat.generatrix), Scale(to, flat.generatrix)};
    return {{flat.point.x, from, 0.0}, {flat.point.x, to, 0.0}};
}

// X = 15·t unwrapped, Y = z: the direction is (15, 15·pitch).
FlatPointAt CylinderAt(const TracedCurve& curve, double t)
{
    using D = CylinderDimensions;
    const double period = D::kRadius * (Pi() + Pi());
    const CurvePoint at = PointOnCurve(curve.figure, curve.angleDeg, t);
    const double x = D::kRadius * t;
    FlatPointAt flat;
    flat.point = {x - std::floor(x / period) * period, at.position.z, 0.0};
    flat.inside = flat.point.y >= curve.low && flat.point.y <= curve.high;
    flat.generatrix = {0.0, 1.0, 0.0};
    flat.tangent = {D::kRadius, D::kRadius * HelixPitch(curve.angleDeg), 0.0};
    flat.along = flat.point.y;
    flat.low = curve.low;
    flat.high = curve.high;
    return flat;
}

// s = 8·ρ and ψ = t/2 unwrapped, on sheet 0 turned back by whole half turns:
// (s cos ψ₀, −s sin ψ₀), whose derivative by t is
// (s' cos ψ₀ − s ψ' sin ψ₀, −s' sin ψ₀ − s ψ' cos ψ₀), s' = growth·s, ψ' = ½.
FlatPointAt ConeAt(const TracedCurve& curve, double t)
{
    const double pi = Pi();
    const double growth = ConeGrowth(curve.angleDeg);
    const double rho = std::exp(t * growth);
    const double s = 2.0 * (rho * ConeDimensions::kRadiusScale);
    const double psi = t / 2;
    const double psi0 = psi - std::floor(psi / pi) * pi;
    const double c = std::cos(psi0), sn = std::sin(psi0);
    const double rate = growth * s;
    FlatPointAt flat;
    flat.point = {s * c, -(s * sn), 0.0};
    flat.inside = s <= curve.high;
    flat.generatrix = {c, -sn, 0.0};
    flat.tangent = {rate * c - s * 0.5 * sn, -(rate * sn) - s * 0.5 * c, 0.0};
    flat.ray = true;
    flat.along = s;
    flat.low = curve.low;
    flat.high = curve.high;
    return flat;
}

// Mercator: X = 35·λ wrapped into [−35π, 35π), Y = −35·ln(tan(θ/2)), whose
// derivatives by θ are 35·λ' = −35·tan α / sin θ and −35 / sin θ.
FlatPointAt SphereAt(const TracedCurve& curve, double theta)
{
    constexpr double r = SphereDimensions::kRadius;
    const double pi = Pi();
    const double edge = r * pi;
    const double x = r * LoxodromeLongitude(theta, curve.angleDeg);
    const double st = std::sin(theta);
    FlatPointAt flat;
    flat.point = {x - std::floor((x + edge) / (edge + edge)) * (edge + edge),
                  -(r * std::log(std::tan(theta * 0.5))), 0.0};
    flat.inside = flat.point.y >= -edge && flat.point.y <= edge;
    flat.generatrix = {0.0, 1.0, 0.0};
    flat.tangent = {-(r * std::tan(Radians(curve.angleDeg))) / st, -r / st, 0.0};
    flat.along = flat.point.y;
    flat.low = -edge;
    flat.high = edge;
    return flat;
}

} // namespace

SpaceMark MarkInSpace(const TracedCurve& curve, double parameter)
{
    SpaceMark mark;
    if (curve.figure == CurveKind::None || !std::isfinite(parameter))
        return mark;
    const CurvePoint at = PointOnCurve(curve.figure, curve.angleDeg, parameter);
    if (!IsFinite(at.position))
        return mark;
    mark.shown = true;
    mark.point = at.position;
    if (!HasDirections(at))
        return mark;
    mark.generatrix = GeneratrixInSpace(curve, parameter, at);
    AddDirections(mark, at.position, at.generatrix, at.tangent, Same);
    return mark;
}

namespace {

FlatPointAt FlatAt(const TracedCurve& curve, double parameter)
{
    if (!std::isfinite(parameter))
        return {};
    switch (curve.figure) {
    case CurveKind::Helix:
        return CylinderAt(curve, parameter);
    case CurveKind::ConicalHelix:
        return ConeAt(curve, parameter);
    case CurveKind::SphericalHelix:
        return SphereAt(curve, parameter);
    default:
        return {};
    }
}

} // namespace

std::optional<FlatPoint> FlatCurvePoint(const TracedCurve& curve, double parameter)
{
    const FlatPointAt flat = FlatAt(curve, parameter);
    if (!flat.inside || !IsFinite(flat.point))
        return std::nullopt;
    return ToFlat(flat.point);
}

FlatMark MarkInPlane(const TracedCurve& curve, double parameter)
{
    FlatMark mark;
    const FlatPointAt flat = FlatAt(curve, parameter);
    if (!flat.inside || !IsFinite(flat.point))
        return mark;
    mark.shown = true;
    mark.point = ToFlat(flat.point);
    if (!IsDirection(flat.tangent))
        return mark;
    for (Vec3 p : FlatGeneratrix(flat))
        mark.generatrix.push_back(ToFlat(p));
    AddDirections(mark, flat.point, flat.generatrix, flat.tangent, ToFlat);
    return mark;
}

namespace {

template <class Point, class Map> PictureMark MapMark(const MarkParts<Point>& mark, Map map)
{
    PictureMark picture;
    picture.shown = mark.shown;
    picture.point = map(mark.point);
    picture.hasAngle = mark.hasAngle;
    picture.angleDeg = mark.angleDeg;
    auto each = [&](const std::vector<Point>& from, std::vector<PicturePoint>& to) {
        to.reserve(from.size());
        for (const Point& p : from)
            to.push_back(map(p));
    };
    each(mark.generatrix, picture.generatrix);
    each(mark.tangent, picture.tangent);
    each(mark.arc, picture.arc);
    return picture;
}

} // namespace

PictureMark ProjectMark(const SpaceMark& mark, const ViewState& view)
{
    return MapMark(mark, [&view](Vec3 p) {
        const Vec3 uv = ProjectPoint(view, p);
        return PicturePoint{kPictureHalf + uv.x, kPictureHalf - uv.y};
    });
}

PictureMark FitMark(const FlatMark& mark, const FlatFit& fit)
{
    return MapMark(mark, [&fit](FlatPoint p) { return fit.Apply(p); });
}

bool MarkPointHidden(const SpaceMark& mark, const ViewState& view, const FigureModel& model)
{
    return view.hiddenParts && mark.shown &&
           HiddenOn(DrawnSurfaceOf(view.curveKind, model), mark.point, view.eye);
}

PictureMark FigureAngleMark(const ViewState& view, double parameter)
{
    const SpaceMark mark = MarkInSpace(TraceOf(view.curveKind, view.angleDeg), parameter);
    PictureMark projected = ProjectMark(mark, Framed(view));
    if (view.hiddenParts && mark.shown)
        projected.hidden = MarkPointHidden(mark, view, BuilderOf(view.curveKind)(view.angleDeg));
    return projected;
}

PictureMark FlatAngleMark(const FlatFigure& flat, double parameter)
{
    return FitMark(MarkInPlane(TraceOf(flat.figure, flat.angleDeg), parameter), flat.fit);
}

PicturePoint LabelAnchor(const PictureMark& mark)
{
    const PicturePoint p = mark.point;
    if (!mark.arc.empty()) {
        const PicturePoint middle = mark.arc[mark.arc.size() / 2];
        const double dx = middle.x - p.x, dy = middle.y - p.y;
        const double length = std::hypot(dx, dy);
        if (length > 0.0 && std::isfinite(length))
            return {middle.x + dx / length * kLabelDistance,
                    middle.y + dy / length * kLabelDistance};
    }
    const double diagonal = kLabelDistance / std::sqrt(2.0);
    return {p.x + diagonal, p.y - diagonal};
}

namespace {

// A hidden mark's part, each from the start of a dash.
void DrawDashedPart(Canvas& canvas, const std::vector<PicturePoint>& part, PictureMapping mapping)
{
    const double s = mapping.scale;
    const DashPattern dashes = DashPatternAt(s);
    std::vector<double> x(part.size()), y(part.size());
    for (size_t i = 0; i < part.size(); ++i) {
        x[i] = s * part[i].x;
        y[i] = s * part[i].y;
    }
    if (mapping.lines == LineStyle::Smooth) {
        canvas.DashedSmoothPolyline(x.data(), y.data(), part.size(), dashes, 0.0);
        return;
    }
    std::vector<int32_t> px(part.size()), py(part.size());
    for (size_t i = 0; i < part.size(); ++i) {
        px[i] = TruncToPixel(x[i]);
        py[i] = TruncToPixel(y[i]);
    }
    canvas.DashedPolyline(px.data(), py.data(), part.size(), dashes, 0);
}

void DrawPart(Canvas& canvas, const std::vector<PicturePoint>& part, PictureMapping mapping,
              bool dashed)
{
    if (part.size() < 2)
        return;
    if (dashed) {
        DrawDashedPart(canvas, part, mapping);
        return;
    }
    const double s = mapping.scale;
    if (mapping.lines == LineStyle::Smooth) {
        for (size_t i = 1; i < part.size(); ++i)
            canvas.SmoothLine(s * part[i - 1].x, s * part[i - 1].y, s * part[i].x, s * part[i].y);
        return;
    }
    canvas.MoveTo(TruncToPixel(s * part[0].x), TruncToPixel(s * part[0].y));
    for (const PicturePoint& p : part)
        canvas.LineTo(TruncToPixel(s * p.x), TruncToPixel(s * p.y));
}

// A filled disc of rows about the point's pixel, each row a line that leaves
// out its end pixel, as every line does.
void DrawDot(Canvas& canvas, PicturePoint point, double scale)
{
    const int32_t cx = TruncToPixel(scale * point.x);
    const int32_t cy = TruncToPixel(scale * point.y);
    if (cx == std::numeric_limits<int32_t>::min() || cy == std::numeric_limits<int32_t>::min())
        return; // not a number
    const int radius = std::max(1, int(std::lround(kMarkDotRadius * scale)));
    for (int dy = -radius; dy <= radius; ++dy) {
        const int half = int(std::sqrt(double(radius * radius - dy * dy)));
        const int64_t y = int64_t(cy) + dy;
        if (y < INT32_MIN || y > INT32_MAX || int64_t(cx) - half < INT32_MIN ||
            int64_t(cx) + half + 1 > INT32_MAX)
            continue;
        canvas.MoveTo(cx - half, int32_t(y));
        canvas.LineTo(cx + half + 1, int32_t(y));
    }
}

} // namespace

void DrawAngleMark(Canvas& canvas, const PictureMark& mark, PictureMapping mapping)
{
    if (!mark.shown)
        return;
    mapping.scale = DrawableScale(mapping.scale);
    canvas.SelectPen(kMarkPen);
    DrawPart(canvas, mark.generatrix, mapping, mark.hidden);
    DrawPart(canvas, mark.tangent, mapping, mark.hidden);
    DrawPart(canvas, mark.arc, mapping, mark.hidden);
    DrawDot(canvas, mark.point, mapping.scale);
}

std::vector<PicturePath> AngleMarkPaths(const PictureMark& mark)
{
    std::vector<PicturePath> paths;
    if (!mark.shown)
        return paths;
    for (const std::vector<PicturePoint>* part : {&mark.generatrix, &mark.tangent, &mark.arc})
        if (part->size() >= 2)
            paths.push_back({kMarkPen, *part, mark.hidden});
    // The dot as a small ring, which a vector drawing strokes like a line.
    std::vector<PicturePoint> dot;
    for (int i = 0; i <= kDotRingCorners; ++i) {
        const double phi = 2 * Pi() * i / kDotRingCorners;
        dot.push_back({mark.point.x + kMarkDotRadius * std::cos(phi),
                       mark.point.y + kMarkDotRadius * std::sin(phi)});
    }
    paths.push_back({kMarkPen, std::move(dot)});
    return paths;
}
