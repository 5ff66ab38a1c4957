// SPDX-License-Identifier: MIT
// The page's bars are range inputs standing upright, their minimum at the
// top as a scroll bar's is. The A and P sliders hold their bars' thumb
// positions. The Z slider holds the zoom itself, which is what a screen
// reader says of the Z bar, so its range runs upside down from the thumb's
// (thumb t is zoom 100 − t) and the page draws it with its maximum at the
// top: the thumb stands where the desktop's does.
#pragma once

#include "controls/control_ids.h"
#include "controls/recorded_panel.h"

struct SliderShown {
    int min = 0;
    int max = 0;
    int value = 0;
};

// The slider of a bar as its record stands. A bar with no range yet has the
// range 0 to 0 of a fresh scroll bar, and its thumb is held to it.
SliderShown SliderOf(Bar bar, const BarRecord& record);

// The thumb position that a slider value stands for.
int ThumbOfSlider(Bar bar, int value);
