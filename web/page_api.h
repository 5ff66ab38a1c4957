// SPDX-License-Identifier: MIT
// The functions the page's script calls, in C so that their names survive
// the WebAssembly build as they are written here. A page is a handle that
// the script makes once and keeps; nothing lives outside it.
//
// Numbers as the core has them: bars as Bar (0 A, 1 Z, 2 P), figures as
// CurveKind (1 helix, 2 conical, 3 spherical), scroll codes as ScrollCode
// (0 line up … 8 end scroll), orbit keys as ViewControls::OrbitKey (0 left,
// 1 right, 2 up, 3 down), cursor positions in screen pixels.
#pragma once

#include <cstdint>

class Page;

extern "C" {

Page* torsiva_page_new();
void torsiva_page_delete(Page* page);

// What the user does, each forwarded to the view controls as the desktop
// dialog forwards it.
void torsiva_curve_button(Page* page, int figure);
void torsiva_scroll(Page* page, int bar, int code);
// A slider moved to `value` by a drag of its thumb, or let go there
// (`released`): the thumb codes, with the position the value stands for.
void torsiva_slider_moved(Page* page, int bar, int value, int released);
void torsiva_press(Page* page, int32_t x, int32_t y);
void torsiva_move(Page* page, int32_t x, int32_t y);
void torsiva_release(Page* page);
void torsiva_orbit_key(Page* page, int key);
void torsiva_zoom_key(Page* page, int bigger);
// The picture's scale (side × device pixel ratio / 500) and line style
// (0 exact, 1 smooth); a change draws it again once there is one.
void torsiva_set_picture(Page* page, double scale, int smooth);

// "Partes ocultas" on or off: the figure drawn again, if there is one, with
// its contour and its hidden parts as the desktop's option draws them.
void torsiva_set_hidden(Page* page, int on);

// "Ángulo en un punto" on or off, and what moves the point: a key step
// (+1 or −1), the animation `seconds` after it started, a press in the flat
// picture at (x, y) in its picture units. Each returns whether the point
// moved (and the pictures were drawn again). figure_changed says, once,
// that another figure was drawn since it was last asked: an animation
// stops. The point's parameter, and whether it is shown.
void torsiva_set_point(Page* page, int on);
int torsiva_point_step(Page* page, int direction);
int torsiva_point_animate(Page* page, double seconds);
int torsiva_point_flat(Page* page, double x, double y);
int torsiva_point_figure_changed(Page* page);
int torsiva_point_shown(const Page* page);
double torsiva_point_parameter(const Page* page);
// The marks last drawn (`which`: 0 the figure's picture, 1 the flat one,
// 2 the flat one in development units):
// whether there is one and whether it measures an angle, the angle, where
// its text is centred (axis 0 x, 1 y, picture units), whether it is hidden,
// its point, and its parts (0 generatrix, 1 tangent, 2 arc) as x, y pairs.
int torsiva_mark_shown(const Page* page, int which);
int torsiva_mark_has_angle(const Page* page, int which);
double torsiva_mark_angle(const Page* page, int which);
double torsiva_mark_label(const Page* page, int which, int axis);
int torsiva_mark_hidden(const Page* page, int which);
double torsiva_mark_point(const Page* page, int which, int axis);
int torsiva_mark_part_size(const Page* page, int which, int part);
const double* torsiva_mark_part_points(const Page* page, int which, int part);
// The text's size in picture pixels and the dot's radius.
double torsiva_mark_text_pixels();
double torsiva_mark_dot_radius();

// "Desarrollo" on or off; its picture's redraws, side and bytes, as the
// figure's below.
void torsiva_set_flat(Page* page, int on);
double torsiva_flat_redraws(const Page* page);
int torsiva_flat_side(const Page* page);
const uint8_t* torsiva_flat_rgba(const Page* page);

// What the page shows: the sliders, what a screen reader says of each bar,
// the label's angle (0 with `shown` 0 while the label is empty), the figure
// and angle of the view.
int torsiva_slider_min(const Page* page, int bar);
int torsiva_slider_max(const Page* page, int bar);
int torsiva_slider_value(const Page* page, int bar);
double torsiva_spoken_value(const Page* page, int bar);
int torsiva_label_shown(const Page* page);
int torsiva_label_angle(const Page* page);
int torsiva_figure(const Page* page);
int torsiva_angle(const Page* page);

// The picture: how many redraws there have been, the side of the last in
// device pixels (0 before the first) and its R, G, B, A bytes.
double torsiva_redraws(const Page* page);
int torsiva_picture_side(const Page* page);
const uint8_t* torsiva_picture_rgba(const Page* page);

// The box of a picture (`which`: 0 the figure's, 1 the flat one) whose
// pixels may differ from when it was last asked, as left, top, right and
// bottom, right and bottom past it: the whole picture when it is a new one,
// nothing before the first. The page puts back only that box. Kept until the
// next call.
const int32_t* torsiva_take_changed(Page* page, int which);

// The name a saved picture of the view is offered under, without its
// extension ("torsiva-helice-conica-60"), as UTF-8; kept until the next call.
const char* torsiva_file_stem(Page* page);

// The picture's side in picture units (500), the square's fill and the
// border's colour, as 0xAARRGGBB.
int torsiva_picture_size();
// The gap between the figure's picture and the flat one, in logical pixels
// (CSS pixels on the page, picture units in the SVG).
int torsiva_flat_picture_gap();
uint32_t torsiva_square_colour();
uint32_t torsiva_border_colour();

// The vector paths of the view, as the desktop's SVG has them: made afresh
// by torsiva_update_paths, which gives their number, then read one by one
// (the pen's 0xAARRGGBB colour, the number of points, and the points as x, y
// pairs of doubles in picture units); with the hidden parts shown, also
// what each path is ("wire", "curve", "curve hidden" or "contour", as
// UTF-8; null otherwise) and whether it is dashed, its dashes
// torsiva_dash_on() units on and torsiva_dash_off() off.
int torsiva_update_paths(Page* page);
uint32_t torsiva_path_colour(const Page* page, int path);
const char* torsiva_path_part(const Page* page, int path);
int torsiva_path_dashed(const Page* page, int path);
int torsiva_dash_on();
int torsiva_dash_off();
int torsiva_path_size(const Page* page, int path);
const double* torsiva_path_points(const Page* page, int path);

// The flat picture's pieces, as the desktop's SVG has them beside the
// figure: made afresh by torsiva_update_flat_paths, which gives their
// number, then read one by one (the piece's FlatClass: 0 outline, 1 wire,
// 2 curve; its pen's colour; its number of points; its X and its Y in
// development units), with the fit that takes them to picture units
// (0 k, 1 e, 2 f: x = k·X + e, y = f − k·Y).
int torsiva_update_flat_paths(Page* page);
int torsiva_flat_path_class(const Page* page, int piece);
uint32_t torsiva_flat_path_colour(const Page* page, int piece);
int torsiva_flat_path_size(const Page* page, int piece);
const double* torsiva_flat_path_x(const Page* page, int piece);
const double* torsiva_flat_path_y(const Page* page, int piece);
double torsiva_flat_fit(const Page* page, int which);
}
