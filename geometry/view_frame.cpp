#include "geometry/view_frame.h"

#include <cmath>
#include <limits>

#include "geometry/view_state.h"

namespace {

// Distance from the eye to the picture plane, in model units.
constexpr double kEyeToPlane = 20.0;

struct Axes {
    Vec3 up;
    Vec3 right;
};

Axes AxesFromUp(Vec3 oldUp, Vec3 viewDir)
{
    const Vec3 w = Cross(oldUp, viewDir);
    const Vec3 up = Normalize(Cross(viewDir, w));
    return {up, Normalize(Cross(up, viewDir))};
}

// When the old up runs along the line of sight it no longer fixes a picture
// orientation; the old right axis still does, as long as it is not itself on
// the line of sight.
Axes AxesFromRight(Vec3 oldRight, Vec3 viewDir)
{
    const Vec3 up = Normalize(Cross(viewDir, oldRight));
    return {up, Normalize(Cross(up, viewDir))};
}

bool IsUsable(const Axes& axes) { return IsFinite(axes.up) && IsFinite(axes.right); }

} // namespace

Vec3 IntersectLinePlane(Vec3 linePoint, Vec3 lineDir, Vec3 planePoint, Vec3 planeNormal)
{
    const double t = Dot(planeNormal, Subtract(planePoint, linePoint)) / Dot(planeNormal, lineDir);
    return Add(linePoint, Scale(t, lineDir));
}

void UpdateViewFrame()
{
    ViewState& view = View();
    view.viewDir = Subtract(view.eye, view.target);

    Axes axes = AxesFromUp(view.up, view.viewDir);
    if (!IsUsable(axes))
        axes = AxesFromRight(view.right, view.viewDir);
    const Vec3 planePoint =
        Scale(Length(Subtract(view.eye, view.target)) - kEyeToPlane, Normalize(view.viewDir));

    // An eye on the look-at point, or an up direction that no axis can
    // replace, leaves no frame to compute: keep the previous one, so that no
    // not-a-number reaches the picture or the next frame.
    if (!IsUsable(axes) || !IsFinite(planePoint))
        return;
    view.up = axes.up;
    view.right = axes.right;
    view.planePoint = planePoint;
}

Vec3 ProjectPoint(Vec3 p)
{
    const ViewState& view = View();
    const Vec3 hit = IntersectLinePlane(p, Subtract(view.eye, p), view.planePoint, view.viewDir);
    const Vec3 q = Subtract(Scale(view.zoom, hit), view.planePoint);
    return {Dot(q, view.right), Dot(q, view.up), q.z};
}

int32_t TruncToPixel(double value)
{
    constexpr double kBelowRange = -2147483649.0; // first double that truncates below INT32_MIN
    constexpr double kAboveRange = 2147483648.0;  // first double that truncates above INT32_MAX
    if (std::isnan(value) || value <= kBelowRange)
        return std::numeric_limits<int32_t>::min();
    if (value >= kAboveRange)
        return std::numeric_limits<int32_t>::max();
    return static_cast<int32_t>(value);
}

Pixel PixelOfPicture(double u, double v)
{
    return {TruncToPixel(250.0 + u), TruncToPixel(250.0 - v)};
}

Pixel PixelOf(Vec3 p)
{
    const Vec3 picture = ProjectPoint(p);
    return PixelOfPicture(picture.x, picture.y);
}
