// SPDX-License-Identifier: MIT
// Turning the eye about the origin by a drag of the cursor.
#pragma once

#include "geometry/vec3.h"
#include "geometry/view_state.h"

// Turn per pixel of cursor travel, in units of π: 500 pixels turn through π.
constexpr double kOrbitTurnPerPixel = 0.002;

// The eye after one drag step from `from` to `to` (screen pixels), given the
// picture axes of the last redraw. The eye moves along the great circle of its
// sphere about the origin, by 0.002·π per pixel of travel, in the direction of
// the cursor on the picture; its distance from the origin is kept.
//
// A step that cannot turn (no movement, an eye at the origin, unusable axes)
// returns the eye unchanged rather than a not-a-number position.
Vec3 OrbitEye(Vec3 eye, Vec3 right, Vec3 up, ScreenPoint from, ScreenPoint to);

// One drag step of the view: its eye turned by OrbitEye from the picture
// axes of the view's last frame.
void OrbitStep(ViewState& view, ScreenPoint from, ScreenPoint to);
