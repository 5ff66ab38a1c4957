// SPDX-License-Identifier: MIT
#include "controls/spoken_value.h"

#include <cmath>

#include "controls/view_controls.h"

double SpokenBarValue(const ViewControls& controls, Bar bar)
{
    const double value = controls.BarValue(bar);
    if (bar == Bar::P)
        return std::round(value * 100.0) / 100.0;
    return std::trunc(value);
}
