// SPDX-License-Identifier: MIT
#include "geometry/visibility.h"

#include <algorithm>
#include <cmath>

namespace {

template <class Test>
void EachPoint(Test test, const double* x, const double* y, const double* z, size_t count,
               bool* hidden)
{
    for (size_t i = 0; i < count; ++i)
        hidden[i] = test({x[i], y[i], z[i]});
}

} // namespace

void HiddenOnEach(const DrawnSurface& surface, Vec3 eye, const double* x, const double* y,
                  const double* z, size_t count, bool* hidden)
{
    switch (surface.kind) {
    case DrawnSurface::Kind::Cylinder:
        return EachPoint([&](Vec3 p) { return HiddenOnCylinder(surface.cylinder, p, eye); }, x, y,
                         z, count, hidden);
    case DrawnSurface::Kind::Cone:
        return EachPoint([&](Vec3 p) { return HiddenOnCone(surface.cone, p, eye); }, x, y, z, count,
                         hidden);
    case DrawnSurface::Kind::Sphere:
        return EachPoint([&](Vec3 p) { return HiddenOnSphere(surface.sphere, p, eye); }, x, y, z,
                         count, hidden);
    case DrawnSurface::Kind::None:
        break;
    }
    std::fill(hidden, hidden + count, false);
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
