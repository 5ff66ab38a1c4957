// SPDX-License-Identifier: MIT
// Circular helix on a cylinder of radius 15 about the z axis.
#include <cmath>

#include "geometry/angles.h"
#include "render/curve_point.h"
#include "render/figure_dimensions.h"
#include "render/tracers.h"

namespace {

constexpr double kRadius = CylinderDimensions::kRadius;
constexpr double kHeightScale = CylinderDimensions::kHeightScale;
constexpr double kHeightStep = CylinderDimensions::kHeightStep;
constexpr double kAngleStep = CylinderDimensions::kAngleStep;
constexpr double kParameterStep = CylinderDimensions::kParameterStep;

// The generatrices, bottom up, counterclockwise from (15, 0, z). Returns the
// squared distance of the last vertex, the bound at which the helix stops.
double AddGeneratrices(FigureModel& model)
{
    const double pi = Pi();
    const double hStart = -1.5 * pi;
    const double hEnd = 1.5 * pi;
    const double phiEnd = pi + pi;
    double bound = 0.0;
    double phi = 0.0;
    do {
        const double cx = kRadius * std::cos(phi);
        const double cy = kRadius * std::sin(phi);
        double h = hStart;
        do {
            const Vec3 p{cx, cy, kHeightScale * h};
            if (h == hStart)
                model.BeginWire();
            model.AddWire(p);
            bound = SquaredDistance(p);
            h = h + kHeightStep;
        } while (h < hEnd);
        phi = phi + kAngleStep;
    } while (phi < phiEnd);
    return bound;
}

// One half of the helix from (15, 0, 0), its counter moving by `step`; it
// ends with the first vertex at or beyond the bound, which is still drawn.
void AddHelixHalf(FigureModel& model, double pitch, double bound, int step)
{
    model.BeginCurve();
    int i = 0;
    double r = 0.0;
    do {
        const double t = i * kParameterStep;
        const Vec3 p = HelixVertex(t, pitch);
        model.AddCurve(p);
        r = SquaredDistance(p);
        i = i + step;
    } while (r < bound);
}

} // namespace

FigureModel HelixModel(int angleDeg)
{
    FigureModel model;
    const double bound = AddGeneratrices(model);
    const double pitch = HelixPitch(angleDeg);
    AddHelixHalf(model, pitch, bound, +1);
    AddHelixHalf(model, pitch, bound, -1);
    return model;
}
