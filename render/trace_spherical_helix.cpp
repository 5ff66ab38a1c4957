// Spherical helix (loxodrome) on a sphere of radius 35 about the origin.
#include <cmath>

#include "geometry/view_state.h"
#include "render/polyline.h"
#include "render/tracers.h"

namespace {

constexpr double kRadius = 35.0;
// Bounds and steps of the great circles use the six-decimal literal of π.
constexpr double kPiLiteral = 3.141592;
constexpr double kLongitudeStep = 3.141592 / 12;
constexpr double kColatitudeStep = 3.141592 / 19;
constexpr double kDegree = 0.005555555555555556; // 1/180
constexpr double kCurveStep = 0.01;
// Half the picture: a curve vertex projected beyond it ends the curve.
constexpr double kPictureHalf = 250.0;

// θ from the positive z axis, λ about it from the positive x axis.
Vec3 SpherePoint(double cosLambda, double sinLambda, double theta)
{
    return {(cosLambda * std::sin(theta)) * kRadius, (sinLambda * std::sin(theta)) * kRadius,
            std::cos(theta) * kRadius};
}

// Great circles through the poles, each from the south pole up the meridian
// at λ + π, over the north pole and down the meridian at λ.
void TraceGreatCircles(Canvas& canvas)
{
    double lambda = 0.0;
    do {
        const double c = std::cos(lambda);
        const double s = std::sin(lambda);
        double theta = -kPiLiteral;
        do {
            EmitVertex(canvas, SpherePoint(c, s, theta), theta == -kPiLiteral);
            theta = theta + kColatitudeStep;
        } while (theta < kPiLiteral);
        lambda = lambda + kLongitudeStep;
    } while (lambda < kPiLiteral);
}

bool InsidePicture(Vec3 picture)
{
    // Written so that a not-a-number coordinate counts as outside.
    return picture.x >= -kPictureHalf && picture.x <= kPictureHalf && picture.y >= -kPictureHalf &&
           picture.y <= kPictureHalf;
}

} // namespace

void TraceSphericalHelix(Canvas& canvas, const Pen& wirePen, const Pen& curvePen)
{
    canvas.SelectPen(wirePen);
    TraceGreatCircles(canvas);

    // From near the north pole to near the south pole; the line to the first
    // vertex that projects outside the picture is the last one drawn.
    canvas.SelectPen(curvePen);
    const double tangent = std::tan(Pi() * View().angleDeg * kDegree);
    const double lastCounter = 100.0 * Pi();
    for (int n = 1; n < lastCounter; ++n) {
        const double theta = n * kCurveStep;
        const double lambda = -(std::log(std::tan(theta * 0.5)) * tangent);
        const Vec3 p = SpherePoint(std::cos(lambda), std::sin(lambda), theta);
        if (n == 1) {
            const Pixel start = PixelOf(p);
            canvas.MoveTo(start.x, start.y);
        }
        const Vec3 picture = ProjectPoint(p);
        const Pixel pixel = PixelOfPicture(picture.x, picture.y);
        canvas.LineTo(pixel.x, pixel.y);
        if (!InsidePicture(picture))
            break;
    }
}
