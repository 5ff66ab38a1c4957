// SPDX-License-Identifier: MIT
#include "geometry/visibility.h"

#include "geometry/always_inline.h"
#include "geometry/vector_clones.h"

#include <algorithm>
#include <cmath>

namespace {

template <class Test>
TORSIVA_ALWAYS_INLINE void EachPoint(Test test, const double* x, const double* y, const double* z,
                                     size_t count, double* hidden)
{
    for (size_t i = 0; i < count; ++i)
        hidden[i] = test({x[i], y[i], z[i]}) ? 1.0 : 0.0;
}

} // namespace

TORSIVA_VECTOR_CLONES
void HiddenOnEach(const DrawnSurface& surface, Vec3 eye, const double* x, const double* y,
                  const double* z, size_t count, double* hidden)
{
    // The surface's numbers by value, which the loop may keep in registers.
    const DrawnCylinder cylinder = surface.cylinder;
    const DrawnCone cone = surface.cone;
    const DrawnSphere sphere = surface.sphere;
    switch (surface.kind) {
    case DrawnSurface::Kind::Cylinder:
        return EachPoint([&](Vec3 p) { return HiddenOnCylinder(cylinder, p, eye); }, x, y, z, count,
                         hidden);
    case DrawnSurface::Kind::Cone:
        return EachPoint([&](Vec3 p) { return HiddenOnCone(cone, p, eye); }, x, y, z, count,
                         hidden);
    case DrawnSurface::Kind::Sphere:
        return EachPoint([&](Vec3 p) { return HiddenOnSphere(sphere, p, eye); }, x, y, z, count,
                         hidden);
    case DrawnSurface::Kind::None:
        break;
    }
    std::fill(hidden, hidden + count, 0.0);
}

bool HiddenOn(const DrawnSurface& surface, Vec3 point, Vec3 eye)
{
    switch (surface.kind) {
    case DrawnSurface::Kind::Cylinder:
        return HiddenOnCylinder(surface.cylinder, point, eye);
    case DrawnSurface::Kind::Cone:
        return HiddenOnCone(surface.cone, point, eye);
    case DrawnSurface::Kind::Sphere:
        return HiddenOnSphere(surface.sphere, point, eye);
    case DrawnSurface::Kind::None:
        break;
    }
    return false;
}
