// SPDX-License-Identifier: MIT
// Spherical helix (loxodrome) on a sphere of radius 35 about the origin.
#include <cmath>

#include "geometry/angles.h"
#include "render/curve_point.h"
#include "render/figure_dimensions.h"
#include "render/tracers.h"

namespace {

constexpr double kLongitudeStep = SphereDimensions::kLongitudeStep;
constexpr double kColatitudeStep = SphereDimensions::kColatitudeStep;
constexpr double kCurveStep = SphereDimensions::kCurveStep;

// Great circles through the poles, each from the south pole up the meridian
// at λ + π, over the north pole and down the meridian at λ.
void AddGreatCircles(FigureModel& model)
{
    double lambda = 0.0;
    do {
        const double c = std::cos(lambda);
        const double s = std::sin(lambda);
        double theta = -kPiSixDecimals;
        do {
            if (theta == -kPiSixDecimals)
                model.BeginWire();
            model.AddWire(SpherePoint(c, s, theta));
            theta = theta + kColatitudeStep;
        } while (theta < kPiSixDecimals);
        lambda = lambda + kLongitudeStep;
    } while (lambda < kPiSixDecimals);
}

} // namespace

FigureModel SphericalHelixModel(int angleDeg)
{
    FigureModel model;
    AddGreatCircles(model);

    // From near the north pole to near the south pole; drawing stops after
    // the first vertex that projects outside the picture.
    model.BeginCurve();
    model.curveStopsOutsidePicture = true;
    const double lastCounter = 100.0 * Pi();
    for (int n = 1; n < lastCounter; ++n) {
        const double theta = n * kCurveStep;
        const double lambda = LoxodromeLongitude(theta, angleDeg);
        model.AddCurve(SpherePoint(std::cos(lambda), std::sin(lambda), theta));
    }
    return model;
}
