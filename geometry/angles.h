// Angles: whole degrees at the controls, radians in the trigonometry.
#pragma once

#include <cstdint>

#include "geometry/vec3.h"

// One degree in units of π: the double nearest 1/180.
constexpr double kDegreeInPi = 1.0 / 180.0;

// The radians of whole degrees, as (π · degrees) · (1/180): the figures'
// vertex counts follow from the last bit of that product, so every tracer
// converts its angle here and in this order.
inline double Radians(int32_t degrees) { return Pi() * degrees * kDegreeInPi; }
