// SPDX-License-Identifier: MIT
// The bars' records as the page's sliders show them.
#include <gtest/gtest.h>

#include "web/page_sliders.h"

namespace {

BarRecord Ranged(int min, int max, int thumb) { return {std::pair{min, max}, thumb}; }

bool operator==(SliderShown a, SliderShown b)
{
    return a.min == b.min && a.max == b.max && a.value == b.value;
}

} // namespace

TEST(PageSlidersTest, AAndPShowTheirThumbs)
{
    for (Bar bar : {Bar::A, Bar::P}) {
        EXPECT_TRUE(SliderOf(bar, Ranged(2, 89, 60)) == (SliderShown{2, 89, 60}));
        EXPECT_EQ(ThumbOfSlider(bar, 17), 17);
    }
}

TEST(PageSlidersTest, ZShowsTheZoomUpsideDown)
{
    EXPECT_TRUE(SliderOf(Bar::Z, Ranged(0, 100, 30)) == (SliderShown{0, 100, 70}));
    EXPECT_TRUE(SliderOf(Bar::Z, Ranged(0, 100, 0)) == (SliderShown{0, 100, 100}));
    for (int value : {0, 30, 100})
        EXPECT_TRUE(SliderOf(Bar::Z, Ranged(0, 100, ThumbOfSlider(Bar::Z, value))).value == value);
}

// Before the first curve button a bar has no range: the slider has the
// 0 to 0 of a fresh scroll bar, whatever thumb the controls asked for.
TEST(PageSlidersTest, ABarWithoutARangeHoldsItsThumbAtZero)
{
    EXPECT_TRUE(SliderOf(Bar::A, BarRecord{}) == (SliderShown{0, 0, 0}));
    EXPECT_TRUE(SliderOf(Bar::A, BarRecord{std::nullopt, 61}) == (SliderShown{0, 0, 0}));
    EXPECT_TRUE(SliderOf(Bar::Z, BarRecord{std::nullopt, 50}) == (SliderShown{100, 100, 100}));
}
