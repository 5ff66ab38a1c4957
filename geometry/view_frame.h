// SPDX-License-Identifier: MIT
// Central perspective of the figure onto the 500 × 500 picture.
//
// The eye looks at the look-at point `target` (always the origin). The picture
// plane stands perpendicular to the line of sight, 20 units in front of the
// eye. A point is projected by meeting the line from it to the eye with that
// plane; the hit is scaled by `zoom` and read along the unit axes `right` and
// `up`, which gives picture coordinates (u to the right, v upwards) in pixels
// from the picture centre. Canvas pixels grow rightwards and downwards from
// the top left corner, so pixel (250, 250) is the centre.
//
// After UpdateViewFrame, (right, up, unit(viewDir)) is a right-handed
// orthonormal basis, and viewDir = eye − target points back towards the eye.
#pragma once

#include <cstddef>
#include <cstdint>
#include <limits>
#include <vector>

#include "geometry/picture.h"
#include "geometry/vec3.h"
#include "geometry/view_state.h"

struct Pixel {
    int32_t x = 0;
    int32_t y = 0;
};

// The point where the line through linePoint along lineDir meets the plane
// through planePoint with normal planeNormal.
Vec3 IntersectLinePlane(Vec3 linePoint, Vec3 lineDir, Vec3 planePoint, Vec3 planeNormal);

// Rebuilds viewDir, up, right and planePoint of the view from eye, target
// and the previous up. Called once before every redraw.
void UpdateViewFrame(ViewState& view);

// A copy of the view with its frame rebuilt: what a redraw of it projects by.
ViewState Framed(ViewState view);

// Picture coordinates of a model point: x is u, y is v, z an unused by-product.
Vec3 ProjectPoint(const ViewState& view, Vec3 p);

// ProjectPoint of `count` points at once, with the same arithmetic, the
// points and their picture coordinates stored component by component.
void ProjectPoints(const ViewState& view, const double* x, const double* y, const double* z,
                   size_t count, double* u, double* v);

// The compiled variants of ProjectPoints that this processor can run, the
// widest vector unit first; ProjectPoints runs the first. Each gives the
// same bits (see vector_clones.h).
struct ProjectPointsClone {
    const char* unit;
    void (*function)(const ViewState& view, const double* x, const double* y, const double* z,
                     size_t count, double* u, double* v);
};
std::vector<ProjectPointsClone> RunnableProjectPointsClones();

// Double to pixel coordinate, truncating toward zero. Values beyond the 32-bit
// range saturate and not-a-number maps to INT32_MIN (far off the canvas), so
// the conversion is always defined and every in-range value stays exact.
inline int32_t TruncToPixel(double value)
{
    constexpr double kBelowRange = -2147483649.0; // first double that truncates below INT32_MIN
    constexpr double kAboveRange = 2147483648.0;  // first double that truncates above INT32_MAX
    if (value > kBelowRange && value < kAboveRange)
        return static_cast<int32_t>(value);
    if (value >= kAboveRange)
        return std::numeric_limits<int32_t>::max();
    return std::numeric_limits<int32_t>::min(); // below the range, or not a number
}

// Where picture coordinates (u, v) fall on a picture drawn `scale` device
// pixels per picture pixel: (scale·(250 + u), scale·(250 − v)), unrounded.
// Scale 1 multiplies by one, which changes no double, so the picture of
// scale 1 is the 500 × 500 one exactly.
inline double ScaledPictureX(double u, double scale) { return scale * (kPictureHalf + u); }
inline double ScaledPictureY(double v, double scale) { return scale * (kPictureHalf - v); }

// The canvas pixel of picture coordinates (u, v) at a scale:
// (trunc(scale·(250 + u)), trunc(scale·(250 − v))).
inline Pixel PixelOfPicture(double u, double v, double scale = 1.0)
{
    return {TruncToPixel(ScaledPictureX(u, scale)), TruncToPixel(ScaledPictureY(v, scale))};
}

// PixelOfPicture of `count` picture points at once, by component.
void PixelsOfPictures(const double* u, const double* v, size_t count, double scale, int32_t* px,
                      int32_t* py);

// The canvas pixel of a model point; may lie outside the canvas.
Pixel PixelOf(const ViewState& view, Vec3 p);
