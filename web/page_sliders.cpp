// SPDX-License-Identifier: MIT
#include "page_sliders.h"

#include <algorithm>

#include "controls/view_controls.h"

namespace {

int Flipped(Bar bar, int position) { return bar == Bar::Z ? kMaxZoom - position : position; }

} // namespace

SliderShown SliderOf(Bar bar, const BarRecord& record)
{
    const auto [low, high] = record.range.value_or(std::pair{0, 0});
    const int thumb = std::clamp(record.thumb.value_or(0), low, high);
    if (bar != Bar::Z)
        return {low, high, thumb};
    return {Flipped(bar, high), Flipped(bar, low), Flipped(bar, thumb)};
}

int ThumbOfSlider(Bar bar, int value) { return Flipped(bar, value); }
