// SPDX-License-Identifier: MIT
// Conical helix on a cone with its apex at (0, 0, 50), opening downwards with
// a half-angle of 30°.
#include <cmath>

#include "geometry/angles.h"
#include "render/curve_point.h"
#include "render/figure_dimensions.h"
#include "render/tracers.h"

namespace {

constexpr double kApexHeight = ConeDimensions::kApexHeight;
constexpr double kRadiusScale = ConeDimensions::kRadiusScale;
constexpr double kStep = ConeDimensions::kStep;
constexpr double kRulingStep = ConeDimensions::kRulingStep;

// Rulings from the apex outwards, counterclockwise from the plane y = 0 on the
// side x > 0. Returns the squared distance of the last vertex, on the rim.
double AddRulings(FigureModel& model, double drop)
{
    const double pi = Pi();
    const double phiEnd = pi + pi;
    double bound = 0.0;
    double phi = 0.0;
    do {
        const double c = std::cos(phi);
        const double s = std::sin(phi);
        model.BeginWire();
        for (int j = 0; j <= 20.0 * pi; ++j) {
            const double u = j * kStep;
            const Vec3 p{(c * u) * kRadiusScale, (s * u) * kRadiusScale,
                         kApexHeight - (u * drop) * kRadiusScale};
            model.AddWire(p);
            bound = SquaredDistance(p);
        }
        phi = phi + kRulingStep;
    } while (phi < phiEnd);
    return bound;
}

} // namespace

FigureModel ConicalHelixModel(int angleDeg)
{
    const double drop = ConeDrop(); // axial drop per unit of radius
    const double growth = ConeGrowth(angleDeg);

    FigureModel model;
    const double bound = AddRulings(model, drop);

    // The curve starts next to the apex and ends with the first vertex at or
    // beyond the rim, which is still drawn.
    model.BeginCurve();
    int i = ConeDimensions::FirstCurveCounter();
    double r = 0.0;
    do {
        const double t = i * kStep;
        const double rho = std::exp(t * growth);
        const Vec3 p = ConicalHelixVertex(t, rho, drop);
        model.AddCurve(p);
        r = SquaredDistance(p);
        i = i + 1;
    } while (r < bound);
    return model;
}
