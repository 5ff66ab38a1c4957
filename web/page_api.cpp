// SPDX-License-Identifier: MIT
#include "page_api.h"

#include <optional>

#include <emscripten/emscripten.h>

#include "controls/picture_layout.h"
#include "page.h"
#include "render/draw_figure.h"

namespace {

// A number from the script that names no bar, figure or key changes
// nothing.
std::optional<Bar> BarOf(int bar)
{
    if (bar < 0 || bar > static_cast<int>(Bar::P))
        return std::nullopt;
    return static_cast<Bar>(bar);
}

// Codes past the last one change nothing, as in the numeric entry of the
// controls.
ScrollCode CodeOf(int code)
{
    return code >= 0 && code <= static_cast<int>(ScrollCode::EndScroll)
               ? static_cast<ScrollCode>(code)
               : ScrollCode::EndScroll;
}

const PicturePath* PathOf(const Page* page, int path)
{
    if (path < 0 || size_t(path) >= page->Paths().size())
        return nullptr;
    return &page->Paths()[size_t(path)];
}

const FlatPiece* FlatPieceOf(const Page* page, int piece)
{
    const std::vector<FlatPiece>& pieces = page->FlatFigureKept().paths.pieces;
    if (piece < 0 || size_t(piece) >= pieces.size())
        return nullptr;
    return &pieces[size_t(piece)];
}

const PictureMark& MarkOf(const Page* page, int which)
{
    return which == 2 ? page->DevelopedFlatMark() : which == 1 ? page->FlatMark() : page->Mark();
}

const std::vector<PicturePoint>* PartOf(const PictureMark& mark, int part)
{
    switch (part) {
    case 0:
        return &mark.generatrix;
    case 1:
        return &mark.tangent;
    case 2:
        return &mark.arc;
    default:
        return nullptr;
    }
}

static_assert(sizeof(PicturePoint) == 2 * sizeof(double), "points are read as pairs of doubles");

} // namespace

extern "C" {

EMSCRIPTEN_KEEPALIVE Page* torsiva_page_new() { return new Page; }

EMSCRIPTEN_KEEPALIVE void torsiva_page_delete(Page* page) { delete page; }

EMSCRIPTEN_KEEPALIVE void torsiva_curve_button(Page* page, int figure)
{
    page->CurveButton(static_cast<CurveKind>(figure));
}

EMSCRIPTEN_KEEPALIVE void torsiva_scroll(Page* page, int bar, int code)
{
    if (const std::optional<Bar> which = BarOf(bar))
        page->Controls().OnScroll(*which, CodeOf(code));
}

EMSCRIPTEN_KEEPALIVE void torsiva_slider_moved(Page* page, int bar, int value, int released)
{
    if (const std::optional<Bar> which = BarOf(bar))
        page->Controls().OnScroll(*which,
                                  released ? ScrollCode::ThumbPosition : ScrollCode::ThumbTrack,
                                  ThumbOfSlider(*which, value));
}

EMSCRIPTEN_KEEPALIVE void torsiva_press(Page* page, int32_t x, int32_t y)
{
    page->Controls().OnLButtonDown({x, y});
}

EMSCRIPTEN_KEEPALIVE void torsiva_move(Page* page, int32_t x, int32_t y)
{
    page->Controls().OnMouseMove({x, y});
}

EMSCRIPTEN_KEEPALIVE void torsiva_release(Page* page) { page->Controls().OnLButtonUp(); }

EMSCRIPTEN_KEEPALIVE void torsiva_orbit_key(Page* page, int key)
{
    using Key = ViewControls::OrbitKey;
    if (key >= static_cast<int>(Key::Left) && key <= static_cast<int>(Key::Down))
        page->Controls().OnOrbitKey(static_cast<Key>(key));
}

EMSCRIPTEN_KEEPALIVE void torsiva_zoom_key(Page* page, int bigger)
{
    page->Controls().OnZoomKey(bigger != 0);
}

EMSCRIPTEN_KEEPALIVE void torsiva_set_picture(Page* page, double scale, int smooth)
{
    page->SetPicture(scale, smooth ? LineStyle::Smooth : LineStyle::Exact);
}

EMSCRIPTEN_KEEPALIVE void torsiva_set_hidden(Page* page, int on)
{
    page->Controls().SetHiddenParts(on != 0);
}

EMSCRIPTEN_KEEPALIVE void torsiva_set_point(Page* page, int on) { page->SetPoint(on != 0); }

EMSCRIPTEN_KEEPALIVE int torsiva_point_step(Page* page, int direction)
{
    return page->StepPoint(direction < 0 ? -1 : +1);
}

EMSCRIPTEN_KEEPALIVE int torsiva_point_animate(Page* page, double seconds)
{
    return page->AnimatePoint(seconds);
}

EMSCRIPTEN_KEEPALIVE int torsiva_point_flat(Page* page, double x, double y)
{
    return page->PointToFlat(x, y);
}

EMSCRIPTEN_KEEPALIVE int torsiva_point_figure_changed(Page* page)
{
    return page->TakeFigureChanged();
}

EMSCRIPTEN_KEEPALIVE int torsiva_point_shown(const Page* page)
{
    return page->Point().Shown().has_value();
}

EMSCRIPTEN_KEEPALIVE double torsiva_point_parameter(const Page* page)
{
    return page->Point().Parameter();
}

EMSCRIPTEN_KEEPALIVE int torsiva_mark_shown(const Page* page, int which)
{
    return MarkOf(page, which).shown;
}

EMSCRIPTEN_KEEPALIVE int torsiva_mark_has_angle(const Page* page, int which)
{
    return MarkOf(page, which).hasAngle;
}

EMSCRIPTEN_KEEPALIVE double torsiva_mark_angle(const Page* page, int which)
{
    return MarkOf(page, which).angleDeg;
}

EMSCRIPTEN_KEEPALIVE double torsiva_mark_label(const Page* page, int which, int axis)
{
    const PicturePoint label = LabelAnchor(MarkOf(page, which));
    return axis == 0 ? label.x : label.y;
}

EMSCRIPTEN_KEEPALIVE int torsiva_mark_hidden(const Page* page, int which)
{
    return MarkOf(page, which).hidden;
}

EMSCRIPTEN_KEEPALIVE double torsiva_mark_point(const Page* page, int which, int axis)
{
    const PicturePoint point = MarkOf(page, which).point;
    return axis == 0 ? point.x : point.y;
}

EMSCRIPTEN_KEEPALIVE int torsiva_mark_part_size(const Page* page, int which, int part)
{
    const std::vector<PicturePoint>* points = PartOf(MarkOf(page, which), part);
    return points ? int(points->size()) : 0;
}

EMSCRIPTEN_KEEPALIVE const double* torsiva_mark_part_points(const Page* page, int which, int part)
{
    const std::vector<PicturePoint>* points = PartOf(MarkOf(page, which), part);
    return points && !points->empty() ? &points->front().x : nullptr;
}

EMSCRIPTEN_KEEPALIVE double torsiva_mark_text_pixels() { return kAngleTextPixels; }

EMSCRIPTEN_KEEPALIVE double torsiva_mark_dot_radius() { return kMarkDotRadius; }

EMSCRIPTEN_KEEPALIVE void torsiva_set_flat(Page* page, int on) { page->SetFlat(on != 0); }

EMSCRIPTEN_KEEPALIVE double torsiva_flat_redraws(const Page* page)
{
    return double(page->Flat().Redraws());
}

EMSCRIPTEN_KEEPALIVE int torsiva_flat_side(const Page* page) { return page->Flat().Side(); }

EMSCRIPTEN_KEEPALIVE const uint8_t* torsiva_flat_rgba(const Page* page)
{
    return page->Flat().Rgba();
}

EMSCRIPTEN_KEEPALIVE int torsiva_slider_min(const Page* page, int bar)
{
    const std::optional<Bar> which = BarOf(bar);
    return which ? page->Slider(*which).min : 0;
}

EMSCRIPTEN_KEEPALIVE int torsiva_slider_max(const Page* page, int bar)
{
    const std::optional<Bar> which = BarOf(bar);
    return which ? page->Slider(*which).max : 0;
}

EMSCRIPTEN_KEEPALIVE int torsiva_slider_value(const Page* page, int bar)
{
    const std::optional<Bar> which = BarOf(bar);
    return which ? page->Slider(*which).value : 0;
}

EMSCRIPTEN_KEEPALIVE double torsiva_spoken_value(const Page* page, int bar)
{
    const std::optional<Bar> which = BarOf(bar);
    return which ? page->SpokenValue(*which) : 0.0;
}

EMSCRIPTEN_KEEPALIVE int torsiva_label_shown(const Page* page)
{
    return page->LabelAngle().has_value();
}

EMSCRIPTEN_KEEPALIVE int torsiva_label_angle(const Page* page)
{
    return page->LabelAngle().value_or(0);
}

EMSCRIPTEN_KEEPALIVE int torsiva_figure(const Page* page)
{
    return static_cast<int>(page->Controls().State().curveKind);
}

EMSCRIPTEN_KEEPALIVE int torsiva_angle(const Page* page)
{
    return page->Controls().State().angleDeg;
}

EMSCRIPTEN_KEEPALIVE double torsiva_redraws(const Page* page)
{
    return double(page->Picture().Redraws());
}

EMSCRIPTEN_KEEPALIVE int torsiva_picture_side(const Page* page) { return page->Picture().Side(); }

EMSCRIPTEN_KEEPALIVE const uint8_t* torsiva_picture_rgba(const Page* page)
{
    return page->Picture().Rgba();
}

EMSCRIPTEN_KEEPALIVE const int32_t* torsiva_take_changed(Page* page, int which)
{
    const PixelBox box = which == 1 ? page->Flat().TakeChanged() : page->Picture().TakeChanged();
    return page->KeepBox(box);
}

EMSCRIPTEN_KEEPALIVE const char* torsiva_file_stem(Page* page)
{
    return page->UpdateFileStem().c_str();
}

EMSCRIPTEN_KEEPALIVE int torsiva_picture_size() { return kPictureSize; }

EMSCRIPTEN_KEEPALIVE int torsiva_flat_picture_gap() { return kFlatPictureGap; }

EMSCRIPTEN_KEEPALIVE uint32_t torsiva_square_colour() { return kOpaqueBlack; }

EMSCRIPTEN_KEEPALIVE uint32_t torsiva_border_colour() { return kBorderPen.colour; }

EMSCRIPTEN_KEEPALIVE int torsiva_update_paths(Page* page)
{
    return int(page->UpdatePaths().size());
}

EMSCRIPTEN_KEEPALIVE uint32_t torsiva_path_colour(const Page* page, int path)
{
    const PicturePath* p = PathOf(page, path);
    return p ? p->pen.colour : 0;
}

EMSCRIPTEN_KEEPALIVE const char* torsiva_path_part(const Page* page, int path)
{
    const PicturePath* p = PathOf(page, path);
    return p ? p->part : nullptr;
}

EMSCRIPTEN_KEEPALIVE int torsiva_path_dashed(const Page* page, int path)
{
    const PicturePath* p = PathOf(page, path);
    return p && p->dashed;
}

// The SVG's dashes are in picture units, as the picture's at scale 1.
EMSCRIPTEN_KEEPALIVE int torsiva_dash_on() { return DashPatternAt(1.0).on; }

EMSCRIPTEN_KEEPALIVE int torsiva_dash_off() { return DashPatternAt(1.0).off; }

EMSCRIPTEN_KEEPALIVE int torsiva_path_size(const Page* page, int path)
{
    const PicturePath* p = PathOf(page, path);
    return p ? int(p->points.size()) : 0;
}

EMSCRIPTEN_KEEPALIVE const double* torsiva_path_points(const Page* page, int path)
{
    const PicturePath* p = PathOf(page, path);
    return p ? &p->points.front().x : nullptr;
}

EMSCRIPTEN_KEEPALIVE int torsiva_update_flat_paths(Page* page)
{
    return int(page->UpdateFlatFigure().paths.pieces.size());
}

EMSCRIPTEN_KEEPALIVE int torsiva_flat_path_class(const Page* page, int piece)
{
    const FlatPiece* p = FlatPieceOf(page, piece);
    return p ? static_cast<int>(p->what) : -1;
}

EMSCRIPTEN_KEEPALIVE uint32_t torsiva_flat_path_colour(const Page* page, int piece)
{
    const FlatPiece* p = FlatPieceOf(page, piece);
    return p ? FlatPen(p->what).colour : 0;
}

EMSCRIPTEN_KEEPALIVE int torsiva_flat_path_size(const Page* page, int piece)
{
    const FlatPiece* p = FlatPieceOf(page, piece);
    return p ? int(p->count) : 0;
}

EMSCRIPTEN_KEEPALIVE const double* torsiva_flat_path_x(const Page* page, int piece)
{
    const FlatPiece* p = FlatPieceOf(page, piece);
    return p ? page->FlatFigureKept().paths.x.data() + p->first : nullptr;
}

EMSCRIPTEN_KEEPALIVE const double* torsiva_flat_path_y(const Page* page, int piece)
{
    const FlatPiece* p = FlatPieceOf(page, piece);
    return p ? page->FlatFigureKept().paths.y.data() + p->first : nullptr;
}

EMSCRIPTEN_KEEPALIVE double torsiva_flat_fit(const Page* page, int which)
{
    const FlatFit& fit = page->FlatFigureKept().fit;
    switch (which) {
    case 0:
        return fit.k;
    case 1:
        return fit.e;
    case 2:
        return fit.f;
    default:
        return 0.0;
    }
}
}
