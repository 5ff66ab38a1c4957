// SPDX-License-Identifier: MIT
// The page's program through the functions its script calls: what each
// action leaves on the sliders, the label and the picture, as the desktop's
// controls leave it.
#include <cmath>

#include <gtest/gtest.h>

#include "controls/control_ids.h"
#include "render/picture_paths.h"
#include "web/page.h"
#include "web/page_api.h"

namespace {

constexpr int kA = 0, kZ = 1, kP = 2;

class PageTest : public ::testing::Test {
protected:
    void SetUp() override { page = torsiva_page_new(); }
    void TearDown() override { torsiva_page_delete(page); }

    void ExpectSlider(int bar, int min, int max, int value)
    {
        EXPECT_EQ(torsiva_slider_min(page, bar), min) << bar;
        EXPECT_EQ(torsiva_slider_max(page, bar), max) << bar;
        EXPECT_EQ(torsiva_slider_value(page, bar), value) << bar;
    }

    Page* page = nullptr;
};

} // namespace

TEST_F(PageTest, BeforeTheFirstButtonThereIsNoPictureAndNoLabel)
{
    EXPECT_EQ(torsiva_picture_side(page), 0);
    EXPECT_EQ(torsiva_picture_rgba(page), nullptr);
    EXPECT_EQ(torsiva_label_shown(page), 0);
    EXPECT_EQ(torsiva_figure(page), 0);
    ExpectSlider(kA, 0, 0, 0);
    // The screen reader hears the start of a run, as on the desktop.
    EXPECT_EQ(torsiva_spoken_value(page, kZ), 20.0);
    EXPECT_EQ(torsiva_spoken_value(page, kP), 0.0);
    // A bar's arrow already works: the label shows 61, the empty square is
    // drawn.
    torsiva_scroll(page, kA, kLineDown);
    EXPECT_EQ(torsiva_label_shown(page), 1);
    EXPECT_EQ(torsiva_label_angle(page), 61);
    EXPECT_EQ(torsiva_picture_side(page), 500);
}

TEST_F(PageTest, ACurveButtonSetsTheSlidersAndDraws)
{
    torsiva_curve_button(page, 2);
    EXPECT_EQ(torsiva_figure(page), 2);
    ExpectSlider(kA, 2, 89, 60);
    ExpectSlider(kZ, 0, 100, 50);
    ExpectSlider(kP, 20, 300, 300);
    EXPECT_EQ(torsiva_label_angle(page), 60);
    EXPECT_EQ(torsiva_redraws(page), 1.0);
    torsiva_curve_button(page, 7); // names no figure: nothing happens
    EXPECT_EQ(torsiva_figure(page), 2);
    EXPECT_EQ(torsiva_redraws(page), 1.0);
}

TEST_F(PageTest, TheZSliderHoldsTheZoom)
{
    torsiva_curve_button(page, 1);
    torsiva_scroll(page, kZ, kLineUp);
    ExpectSlider(kZ, 0, 100, 51);
    EXPECT_EQ(torsiva_spoken_value(page, kZ), 51.0);
    torsiva_slider_moved(page, kZ, 70, 1);
    EXPECT_EQ(torsiva_spoken_value(page, kZ), 70.0);
    ExpectSlider(kZ, 0, 100, 70);
    torsiva_zoom_key(page, 0);
    EXPECT_EQ(torsiva_slider_value(page, kZ), 69);
}

// A script may set a slider to anything; the controls hold it to the bar's
// range as they hold a toolkit's thumb.
TEST_F(PageTest, SlidersMovedOutOfRangeAreHeldToTheirBars)
{
    torsiva_curve_button(page, 1);
    torsiva_slider_moved(page, kA, 500, 0);
    ExpectSlider(kA, 2, 89, 89);
    torsiva_slider_moved(page, kA, -5, 1);
    ExpectSlider(kA, 2, 89, 2);
    EXPECT_EQ(torsiva_label_angle(page), 2);
    torsiva_slider_moved(page, kZ, 1000, 1);
    ExpectSlider(kZ, 0, 100, 100);
    torsiva_slider_moved(page, kZ, -1000, 0);
    ExpectSlider(kZ, 0, 100, 0);
    torsiva_slider_moved(page, kP, 5, 1);
    ExpectSlider(kP, 20, 300, 20);
    EXPECT_EQ(torsiva_spoken_value(page, kP), 20.0);
    // Numbers that name no bar or code change nothing but what a code past
    // the last one changes: nothing.
    const double redraws = torsiva_redraws(page);
    torsiva_slider_moved(page, 3, 50, 1);
    torsiva_scroll(page, -1, kLineUp);
    EXPECT_EQ(torsiva_redraws(page), redraws);
    torsiva_scroll(page, kA, 99);
    ExpectSlider(kA, 2, 89, 2);
}

TEST_F(PageTest, TheEyeDistanceIsSpokenToTheHundredth)
{
    torsiva_curve_button(page, 3);
    torsiva_press(page, 0, 0);
    for (int x = 1; x <= 37; ++x)
        torsiva_move(page, 3 * x, x);
    torsiva_release(page);
    const double spoken = torsiva_spoken_value(page, kP);
    EXPECT_EQ(spoken, std::round(spoken * 100.0) / 100.0);
    EXPECT_NEAR(spoken, 300.0, 0.01);
    EXPECT_EQ(torsiva_slider_value(page, kP), 300); // the thumb is not moved by the orbit
}

TEST_F(PageTest, APictureIsDrawnAgainOnlyForANewScaleOrLineStyle)
{
    torsiva_set_picture(page, 2.0, 0); // no picture yet: nothing drawn
    EXPECT_EQ(torsiva_redraws(page), 0.0);
    torsiva_curve_button(page, 1);
    EXPECT_EQ(torsiva_picture_side(page), 1000);
    torsiva_set_picture(page, 2.0, 0);
    EXPECT_EQ(torsiva_redraws(page), 1.0);
    torsiva_set_picture(page, 2.0, 1);
    EXPECT_EQ(torsiva_redraws(page), 2.0);
    torsiva_set_picture(page, 1.0, 1);
    EXPECT_EQ(torsiva_redraws(page), 3.0);
    EXPECT_EQ(torsiva_picture_side(page), 500);
}

TEST_F(PageTest, PathsAndFileNameFollowTheView)
{
    EXPECT_EQ(torsiva_update_paths(page), 0);
    EXPECT_STREQ(torsiva_file_stem(page), "torsiva");
    torsiva_curve_button(page, 2);
    torsiva_orbit_key(page, 1);
    torsiva_scroll(page, kA, kLineUp);
    const Page& shown = *page;
    const std::vector<PicturePath> expected = PicturePaths(shown.Controls().State());
    ASSERT_EQ(torsiva_update_paths(page), int(expected.size()));
    for (size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(torsiva_path_colour(page, int(i)), expected[i].pen.colour);
        ASSERT_EQ(torsiva_path_size(page, int(i)), int(expected[i].points.size()));
        const double* points = torsiva_path_points(page, int(i));
        for (size_t p = 0; p < expected[i].points.size(); ++p) {
            EXPECT_EQ(points[2 * p], expected[i].points[p].x);
            EXPECT_EQ(points[2 * p + 1], expected[i].points[p].y);
        }
    }
    EXPECT_EQ(torsiva_path_points(page, int(expected.size())), nullptr);
    EXPECT_EQ(torsiva_path_size(page, -1), 0);
    EXPECT_STREQ(torsiva_file_stem(page), "torsiva-helice-conica-59");
}
