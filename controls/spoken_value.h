// SPDX-License-Identifier: MIT
// What a screen reader says of a bar, in the desktop window and on the page
// alike: the view value the bar stands for (ViewControls::BarValue), as it
// is said. The angle and the zoom are whole numbers; the eye distance, which
// the orbit can leave a hair off a whole number, is said to the hundredth.
#pragma once

#include "controls/control_ids.h"

class ViewControls;

double SpokenBarValue(const ViewControls& controls, Bar bar);
