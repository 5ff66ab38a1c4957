// SPDX-License-Identifier: MIT
#include "geometry/view_frame.h"

#include <cmath>
#include <limits>

#include "geometry/always_inline.h"
#include "geometry/vector_clones.h"
#include "geometry/view_state.h"

#ifdef __wasm_simd128__
#include <wasm_simd128.h>
#endif

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

void UpdateViewFrame(ViewState& view)
{
    view.viewDir = Subtract(view.eye, view.target);

    Axes axes = AxesFromUp(view.up, view.viewDir);
    // The axes depend only on the directions of up and viewDir; for an eye
    // or an up so far or so near that their cross products overflow or
    // underflow, take the same directions at unit size.
    if (!IsUsable(axes))
        axes = AxesFromUp(ToUnitRange(view.up), ToUnitRange(view.viewDir));
    if (!IsUsable(axes))
        axes = AxesFromRight(view.right, view.viewDir);
    // |eye − target| is |viewDir|: the plane stands 20 units before the eye.
    const Vec3 planePoint = Scale(Length(view.viewDir) - kEyeToPlane, Normalize(view.viewDir));

    // An eye on the look-at point, or an up direction that no axis can
    // replace, leaves no frame to compute: keep the previous one, so that no
    // not-a-number reaches the picture or the next frame.
    if (!IsUsable(axes) || !IsFinite(planePoint))
        return;
    view.up = axes.up;
    view.right = axes.right;
    view.planePoint = planePoint;
}

ViewState Framed(ViewState view)
{
    UpdateViewFrame(view);
    return view;
}

namespace {

// The projection with the frame read once, for loops over many points.
struct Projection {
    Vec3 eye, viewDir, planePoint, right, up;
    double zoom;

    static Projection Of(const ViewState& v)
    {
        return {v.eye, v.viewDir, v.planePoint, v.right, v.up, v.zoom};
    }

    Vec3 operator()(Vec3 p) const
    {
        const Vec3 hit = IntersectLinePlane(p, Subtract(eye, p), planePoint, viewDir);
        const Vec3 q = Subtract(Scale(zoom, hit), planePoint);
        return {Dot(q, right), Dot(q, up), q.z};
    }
};

// The loop of every clone of ProjectPoints, inlined into each so that each is
// vectorised for its own unit.
TORSIVA_ALWAYS_INLINE void ProjectEach(const ViewState& view, const double* x, const double* y,
                                       const double* z, size_t count, double* u, double* v)
{
    const Projection project = Projection::Of(view);
    for (size_t i = 0; i < count; ++i) {
        const Vec3 picture = project({x[i], y[i], z[i]});
        u[i] = picture.x;
        v[i] = picture.y;
    }
}

void ProjectPointsPortable(const ViewState& view, const double* x, const double* y, const double* z,
                           size_t count, double* u, double* v)
{
    ProjectEach(view, x, y, z, count, u, v);
}

#ifdef TORSIVA_HAS_VECTOR_CLONES
TORSIVA_VECTOR_UNIT("avx2")
void ProjectPointsAvx2(const ViewState& view, const double* x, const double* y, const double* z,
                       size_t count, double* u, double* v)
{
    ProjectEach(view, x, y, z, count, u, v);
}

TORSIVA_VECTOR_UNIT("avx512f")
void ProjectPointsAvx512f(const ViewState& view, const double* x, const double* y, const double* z,
                          size_t count, double* u, double* v)
{
    ProjectEach(view, x, y, z, count, u, v);
}
#endif

#ifdef __wasm_simd128__
// WebAssembly's vectors hold two doubles, and a machine running them has
// sixteen vector registers: ProjectEach's loop, vectorised as it stands,
// keeps sixteen constants and spills its temporaries. Two passes over the
// points, two at a time, each keep fewer: the first the line's parameter t
// at the plane (stored in u), the second the hit and its picture
// coordinates. Each lane does ProjectEach's operations in its order.
struct Lanes3 {
    v128_t x, y, z;

    static Lanes3 Splat(Vec3 v)
    {
        return {wasm_f64x2_splat(v.x), wasm_f64x2_splat(v.y), wasm_f64x2_splat(v.z)};
    }
    static Lanes3 Load(const double* x, const double* y, const double* z, size_t i)
    {
        return {wasm_v128_load(x + i), wasm_v128_load(y + i), wasm_v128_load(z + i)};
    }
};

TORSIVA_ALWAYS_INLINE Lanes3 Minus(const Lanes3& a, const Lanes3& b)
{
    return {wasm_f64x2_sub(a.x, b.x), wasm_f64x2_sub(a.y, b.y), wasm_f64x2_sub(a.z, b.z)};
}

// Dot's order: (z·z + y·y) + x·x.
TORSIVA_ALWAYS_INLINE v128_t DotLanes(const Lanes3& a, const Lanes3& b)
{
    return wasm_f64x2_add(wasm_f64x2_add(wasm_f64x2_mul(a.z, b.z), wasm_f64x2_mul(a.y, b.y)),
                          wasm_f64x2_mul(a.x, b.x));
}

void ProjectPointsSimd128(const ViewState& view, const double* x, const double* y, const double* z,
                          size_t count, double* u, double* v)
{
    const Projection project = Projection::Of(view);
    const size_t pairs = count - count % 2;
    {
        // IntersectLinePlane(p, eye − p, planePoint, viewDir)'s t.
        const Lanes3 eye = Lanes3::Splat(project.eye);
        const Lanes3 normal = Lanes3::Splat(project.viewDir);
        const Lanes3 plane = Lanes3::Splat(project.planePoint);
        for (size_t i = 0; i < pairs; i += 2) {
            const Lanes3 p = Lanes3::Load(x, y, z, i);
            wasm_v128_store(u + i, wasm_f64x2_div(DotLanes(normal, Minus(plane, p)),
                                                  DotLanes(normal, Minus(eye, p))));
        }
    }
    const Lanes3 eye = Lanes3::Splat(project.eye);
    const Lanes3 plane = Lanes3::Splat(project.planePoint);
    const Lanes3 right = Lanes3::Splat(project.right);
    const Lanes3 up = Lanes3::Splat(project.up);
    const v128_t zoom = wasm_f64x2_splat(project.zoom);
    for (size_t i = 0; i < pairs; i += 2) {
        const Lanes3 p = Lanes3::Load(x, y, z, i);
        const Lanes3 direction = Minus(eye, p);
        const v128_t t = wasm_v128_load(u + i);
        const Lanes3 hit{wasm_f64x2_add(p.x, wasm_f64x2_mul(t, direction.x)),
                         wasm_f64x2_add(p.y, wasm_f64x2_mul(t, direction.y)),
                         wasm_f64x2_add(p.z, wasm_f64x2_mul(t, direction.z))};
        const Lanes3 q = Minus(
            {wasm_f64x2_mul(zoom, hit.x), wasm_f64x2_mul(zoom, hit.y), wasm_f64x2_mul(zoom, hit.z)},
            plane);
        wasm_v128_store(u + i, DotLanes(q, right));
        wasm_v128_store(v + i, DotLanes(q, up));
    }
    ProjectEach(view, x + pairs, y + pairs, z + pairs, count - pairs, u + pairs, v + pairs);
}
#endif

} // namespace

Vec3 ProjectPoint(const ViewState& view, Vec3 p) { return Projection::Of(view)(p); }

std::vector<ProjectPointsClone> RunnableProjectPointsClones()
{
    std::vector<ProjectPointsClone> clones;
#ifdef TORSIVA_HAS_VECTOR_CLONES
    if (__builtin_cpu_supports("avx512f"))
        clones.push_back({"avx512f", ProjectPointsAvx512f});
    if (__builtin_cpu_supports("avx2"))
        clones.push_back({"avx2", ProjectPointsAvx2});
#endif
#ifdef __wasm_simd128__
    clones.push_back({"simd128", ProjectPointsSimd128});
#endif
    clones.push_back({"portable", ProjectPointsPortable});
    return clones;
}

void ProjectPoints(const ViewState& view, const double* x, const double* y, const double* z,
                   size_t count, double* u, double* v)
{
    static const ProjectPointsClone widest = RunnableProjectPointsClones().front();
    widest.function(view, x, y, z, count, u, v);
}

#ifdef __wasm_simd128__
namespace {

// WebAssembly's vectors truncate two doubles at once with saturation, which
// is TruncToPixel for every value but not-a-number (0 there, INT32_MIN
// here); the compiler does not find that conversion itself and converts
// lane by lane, at several times the cost.
void StorePixels(int32_t* out, v128_t picture)
{
    const v128_t notANumber = wasm_f64x2_ne(picture, picture);
    const v128_t saturated = wasm_i32x4_trunc_sat_f64x2_zero(picture);
    const v128_t lanes = wasm_i32x4_shuffle(notANumber, notANumber, 0, 2, 0, 2);
    wasm_v128_store64_lane(
        out,
        wasm_v128_bitselect(wasm_i32x4_splat(std::numeric_limits<int32_t>::min()), saturated,
                            lanes),
        0);
}

} // namespace

void PixelsOfPictures(const double* u, const double* v, size_t count, double scale, int32_t* px,
                      int32_t* py)
{
    const v128_t half = wasm_f64x2_splat(kPictureHalf);
    const v128_t scales = wasm_f64x2_splat(scale);
    size_t i = 0;
    for (; i + 2 <= count; i += 2) {
        StorePixels(px + i, wasm_f64x2_mul(scales, wasm_f64x2_add(half, wasm_v128_load(u + i))));
        StorePixels(py + i, wasm_f64x2_mul(scales, wasm_f64x2_sub(half, wasm_v128_load(v + i))));
    }
    for (; i < count; ++i) {
        px[i] = TruncToPixel(ScaledPictureX(u[i], scale));
        py[i] = TruncToPixel(ScaledPictureY(v[i], scale));
    }
}
#else
TORSIVA_VECTOR_CLONES
void PixelsOfPictures(const double* u, const double* v, size_t count, double scale, int32_t* px,
                      int32_t* py)
{
    for (size_t i = 0; i < count; ++i) {
        px[i] = TruncToPixel(ScaledPictureX(u[i], scale));
        py[i] = TruncToPixel(ScaledPictureY(v[i], scale));
    }
}
#endif

Pixel PixelOf(const ViewState& view, Vec3 p)
{
    const Vec3 picture = ProjectPoint(view, p);
    return PixelOfPicture(picture.x, picture.y);
}
