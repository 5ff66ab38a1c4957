// SPDX-License-Identifier: MIT
#include "render/development.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "geometry/angles.h"
#include "render/curve_point.h"
#include "render/figure_dimensions.h"
#include "render/tracers.h"

namespace {

// The rim arc's segments: at 8000 pixels, the largest picture, a chord of
// the arc lies less than a tenth of a pixel inside it.
constexpr int kRimSegments = 256;

void BeginPolyline(Development& d, std::vector<FigurePolyline>& polylines)
{
    polylines.push_back({uint32_t(d.VertexCount()), 0});
}

void AddVertex(Development& d, std::vector<FigurePolyline>& polylines, double a, double b)
{
    d.a.push_back(a);
    d.b.push_back(b);
    ++polylines.back().count;
}

void CloseBox(Development& d)
{
    const FlatBox& box = d.box;
    d.outline = {{box.left, box.bottom},
                 {box.right, box.bottom},
                 {box.right, box.top},
                 {box.left, box.top},
                 {box.left, box.bottom}};
}

// The generatrices stand where the tracer's accumulated angle puts them; the
// helix's halves run from t = 0 up and down, as the tracer walks them.
Development DevelopCylinder(const FigureModel& model)
{
    using D = CylinderDimensions;
    const double pi = Pi();
    Development d;
    d.seam = SeamKind::Shift;
    d.left = 0.0;
    d.period = D::kRadius * (pi + pi);
    d.bottom = std::numeric_limits<double>::infinity();
    d.top = -d.bottom;
    double phi = 0.0;
    for (FigurePolyline generatrix : model.wire) {
        BeginPolyline(d, d.wire);
        for (uint32_t i = 0; i < generatrix.count; ++i) {
            const double z = model.z[generatrix.first + i];
            AddVertex(d, d.wire, D::kRadius * phi, z);
            d.bottom = std::min(d.bottom, z);
            d.top = std::max(d.top, z);
        }
        phi = phi + D::kAngleStep;
    }
    int direction = +1;
    for (FigurePolyline half : model.curve) {
        BeginPolyline(d, d.curve);
        for (uint32_t i = 0; i < half.count; ++i) {
            const double t = (direction * int(i)) * D::kParameterStep;
            AddVertex(d, d.curve, D::kRadius * t, model.z[half.first + i]);
        }
        direction = -direction;
    }
    d.box = {d.left, d.bottom, d.left + d.period, d.top};
    CloseBox(d);
    return d;
}

// The rulings and the curve walk the tracer's counters; the distance from
// the axis is the tracer's 4·u or 4·ρ, and the slant twice that.
Development DevelopCone(int angleDeg, const FigureModel& model)
{
    using D = ConeDimensions;
    const double pi = Pi();
    const double growth = ConeGrowth(angleDeg);
    Development d;
    d.seam = SeamKind::HalfTurn;
    double phi = 0.0;
    for (FigurePolyline ruling : model.wire) {
        BeginPolyline(d, d.wire);
        for (uint32_t j = 0; j < ruling.count; ++j) {
            const double u = int(j) * D::kStep;
            const double s = 2.0 * (u * D::kRadiusScale);
            AddVertex(d, d.wire, s, phi / 2);
            d.rim = std::max(d.rim, s);
        }
        phi = phi + D::kRulingStep;
    }
    for (FigurePolyline curve : model.curve) {
        BeginPolyline(d, d.curve);
        for (uint32_t n = 0; n < curve.count; ++n) {
            const double t = (D::FirstCurveCounter() + int(n)) * D::kStep;
            const double rho = std::exp(t * growth);
            AddVertex(d, d.curve, 2.0 * (rho * D::kRadiusScale), t / 2);
        }
    }
    d.box = {-d.rim, -d.rim, d.rim, 0.0};
    // From the apex out along ψ = 0, round the rim, and back along ψ = π.
    d.outline.push_back({0.0, 0.0});
    for (int i = 0; i < kRimSegments; ++i) {
        const double psi = pi * i / kRimSegments;
        d.outline.push_back({d.rim * std::cos(psi), -d.rim * std::sin(psi)});
    }
    d.outline.push_back({-d.rim, 0.0});
    d.outline.push_back({0.0, 0.0});
    return d;
}

// Mercator's height of a colatitude, the sign of θ aside: θ < 0 stands for
// the point at |θ| on the meridian half a turn away.
double MercatorY(double theta)
{
    return -(SphereDimensions::kRadius * std::log(std::tan(std::fabs(theta) * 0.5)));
}

// One meridian of a great circle: a vertical line across the outline, from
// the edge its vertices start near to the other, through those of them that
// lie inside.
void AddMeridian(Development& d, double x, const std::vector<double>& ys, bool upwards)
{
    BeginPolyline(d, d.wire);
    AddVertex(d, d.wire, x, upwards ? d.bottom : d.top);
    for (double y : ys)
        if (y > d.bottom && y < d.top)
            AddVertex(d, d.wire, x, y);
    AddVertex(d, d.wire, x, upwards ? d.top : d.bottom);
}

Development DevelopSphere(int angleDeg, const FigureModel& model)
{
    using D = SphereDimensions;
    const double pi = Pi();
    const double edge = D::kRadius * pi;
    Development d;
    d.seam = SeamKind::Shift;
    d.left = -edge;
    d.period = edge + edge;
    d.bottom = -edge;
    d.top = edge;

    // Each circle climbs the meridian at λ + π (θ < 0) from the south pole,
    // passes the north pole, and comes down the meridian at λ.
    double lambda = 0.0;
    std::vector<double> climbing, descending;
    for (FigurePolyline circle : model.wire) {
        climbing.clear();
        descending.clear();
        double theta = -kPiSixDecimals;
        for (uint32_t i = 0; i < circle.count; ++i) {
            (theta < 0.0 ? climbing : descending).push_back(MercatorY(theta));
            theta = theta + D::kColatitudeStep;
        }
        AddMeridian(d, D::kRadius * (lambda + pi), climbing, true);
        AddMeridian(d, D::kRadius * lambda, descending, false);
        lambda = lambda + D::kLongitudeStep;
    }

    for (FigurePolyline curve : model.curve) {
        BeginPolyline(d, d.curve);
        for (uint32_t i = 0; i < curve.count; ++i) {
            const double theta = int(i + 1) * D::kCurveStep;
            const double lambdaOfCurve = LoxodromeLongitude(theta, angleDeg);
            AddVertex(d, d.curve, D::kRadius * lambdaOfCurve, MercatorY(theta));
        }
    }
    d.box = {-edge, -edge, edge, edge};
    CloseBox(d);
    return d;
}

} // namespace

Development Develop(CurveKind figure, int angleDeg)
{
    const FigureBuilder build = BuilderOf(figure);
    if (!build)
        return {};
    const FigureModel model = build(angleDeg);
    switch (figure) {
    case CurveKind::Helix:
        return DevelopCylinder(model);
    case CurveKind::ConicalHelix:
        return DevelopCone(angleDeg, model);
    case CurveKind::SphericalHelix:
        return DevelopSphere(angleDeg, model);
    default:
        return {};
    }
}

int64_t SheetOf(const Development& d, double unwrapped)
{
    const double sheet = d.seam == SeamKind::Shift ? std::floor((unwrapped - d.left) / d.period)
                                                   : std::floor(unwrapped / Pi());
    constexpr double kLimit = 9.0e15; // well inside int64_t, and exact in a double
    return std::fabs(sheet) < kLimit ? static_cast<int64_t>(sheet) : 0;
}

SheetPoint OnSheet(const Development& d, size_t vertex)
{
    const double a = d.a[vertex];
    const double b = d.b[vertex];
    const int64_t sheet = SheetOf(d, d.seam == SeamKind::Shift ? a : b);
    if (d.seam == SeamKind::Shift)
        return {sheet, {a - double(sheet) * d.period, b}};
    const double psi = b - double(sheet) * Pi();
    return {sheet, {a * std::cos(psi), -(a * std::sin(psi))}};
}
