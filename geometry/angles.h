// SPDX-License-Identifier: MIT
// Angles: whole degrees at the controls, radians in the trigonometry.
#pragma once

#include <cstdint>

#include "geometry/vec3.h"

// π to six decimals. The wireframes of the cylinder and the sphere step and
// stop by it rather than by Pi(): how many vertices they have follows from the
// exact doubles these sums produce.
constexpr double kPiSixDecimals = 3.141592;

// One degree in units of π: the double nearest 1/180.
constexpr double kDegreeInPi = 1.0 / 180.0;

// The radians of whole degrees, as (π · degrees) · (1/180): the figures'
// vertex counts follow from the last bit of that product, so every tracer
// converts its angle here and in this order.
inline double Radians(int32_t degrees) { return Pi() * degrees * kDegreeInPi; }
