// SPDX-License-Identifier: MIT
#include "geometry/orbit.h"

#include <cmath>
#include <cstdint>

Vec3 OrbitEye(Vec3 eye, Vec3 right, Vec3 up, ScreenPoint from, ScreenPoint to)
{
    // Screen y grows downwards, picture up grows upwards; a drag to the right
    // moves the eye to the left so that the figure follows the cursor.
    const auto dx = static_cast<double>(int64_t{from.x} - int64_t{to.x});
    const auto dy = static_cast<double>(int64_t{to.y} - int64_t{from.y});
    const Vec3 movement = Add(Scale(dx, right), Scale(dy, up));
    const double travel = Length(movement);
    if (!(travel > 0.0))
        return eye;

    const double theta = Pi() * travel * kOrbitTurnPerPixel;
    const Vec3 eyeDir = Normalize(eye);
    const Vec3 moveDir = Normalize(movement);
    const Vec3 turned =
        Normalize(Add(Scale(std::cos(theta), eyeDir), Scale(std::sin(theta), moveDir)));
    const Vec3 next = Scale(Length(eye), turned);
    return IsFinite(next) ? next : eye;
}

void OrbitStep(ViewState& view, ScreenPoint from, ScreenPoint to)
{
    view.eye = OrbitEye(view.eye, view.right, view.up, from, to);
}
