// SPDX-License-Identifier: MIT
#include "render/kept_canvas.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "geometry/vector_clones.h"

namespace {

struct Range {
    int32_t min, max;
};

// The least and the greatest of the values: a loop over one coordinate,
// compiled for each vector unit, takes a third of the time of one loop over
// both coordinates' four bounds.
TORSIVA_VECTOR_CLONES Range RangeOf(const int32_t* values, size_t count)
{
    // Two plain variables: kept in a Range, the two would be taken for one
    // vector of two, and the loop left unvectorised.
    int32_t min = values[0], max = values[0];
    for (size_t i = 1; i < count; ++i) {
        min = std::min(min, values[i]);
        max = std::max(max, values[i]);
    }
    return {min, max};
}

// The box of the points: every pixel of the lines between them lies in it.
PixelBox BoxOf(const int32_t* xs, const int32_t* ys, size_t count)
{
    if (count == 0)
        return {};
    const Range x = RangeOf(xs, count), y = RangeOf(ys, count);
    return {x.min, y.min, int64_t{x.max} + 1, int64_t{y.max} + 1};
}

} // namespace

KeptCanvas::KeptCanvas(Canvas&& canvas) : Canvas(std::move(canvas)), changed_(Bounds()) {}

PixelBox KeptCanvas::TakeChanged()
{
    DrewSmoothLines();
    return std::exchange(changed_, PixelBox{});
}

void KeptCanvas::Drew(PixelBox box)
{
    box = box.Meet(Bounds());
    drawn_ = drawn_.Join(box);
    changed_ = changed_.Join(box);
}

void KeptCanvas::DrewPolyline(const int32_t* xs, const int32_t* ys, size_t count)
{
    Drew(BoxOf(xs, ys, count));
}

void KeptCanvas::DrewSmoothLine(const WuSegment& s)
{
    smoothExtent_.left = std::min({smoothExtent_.left, s.x0, s.x1});
    smoothExtent_.right = std::max({smoothExtent_.right, s.x0, s.x1});
    smoothExtent_.top = std::min({smoothExtent_.top, s.y0, s.y1});
    smoothExtent_.bottom = std::max({smoothExtent_.bottom, s.y0, s.y1});
}

// A smooth line's walk keeps to floor(min) − 1 … floor(max) + 2 of its
// ends' coordinates along each axis (see Remember below), and so do the
// walks of all of them to those of their extent.
void KeptCanvas::DrewSmoothLines()
{
    const SmoothExtent e = std::exchange(smoothExtent_, SmoothExtent{});
    if (!(e.left <= e.right))
        return;
    Drew({int64_t(std::floor(e.left)) - 1, int64_t(std::floor(e.top)) - 1,
          int64_t(std::floor(e.right)) + 3, int64_t(std::floor(e.bottom)) + 3});
}

KeptCanvas::PaintedRectangle KeptCanvas::Painted(int32_t left, int32_t top, int32_t right,
                                                 int32_t bottom) const
{
    const int64_t l = left, t = top, r = right, b = bottom;
    const PixelBox canvas = Bounds();
    PaintedRectangle painted{left, top, right, bottom, PenColour(), FillColour(), {}, {}};
    painted.inside = PixelBox{l + 1, t + 1, r - 1, b - 1}.Meet(canvas);
    painted.sides[0] = PixelBox{l, t, r, t + 1}.Meet(canvas);         // top
    painted.sides[1] = PixelBox{l, b - 1, r, b}.Meet(canvas);         // bottom
    painted.sides[2] = PixelBox{l, t + 1, l + 1, b - 1}.Meet(canvas); // left
    painted.sides[3] = PixelBox{r - 1, t + 1, r, b - 1}.Meet(canvas); // right
    return painted;
}

void KeptCanvas::Rectangle(int32_t left, int32_t top, int32_t right, int32_t bottom)
{
    if (right <= left || bottom <= top)
        return;
    // Inside the rectangle the canvas now holds exactly what it paints, so
    // from here on only what is drawn over it can differ.
    const PaintedRectangle wanted = Painted(left, top, right, bottom);
    const bool same = painted_ && painted_->SameAs(wanted);
    DrewSmoothLines();
    if (same && !overBudget_)
        Erase();
    else
        Canvas::Rectangle(left, top, right, bottom);
    // The same rectangle again leaves every pixel as it was but for what
    // was drawn over it; another one changes all of its own.
    changed_ = changed_.Join(same ? drawn_ : PixelBox{left, top, right, bottom}.Meet(Bounds()));
    drawn_ = {};
    painted_ = wanted;
    StartLog();
}

void KeptCanvas::LineTo(int32_t x, int32_t y)
{
    const int32_t xs[] = {CurrentX(), x};
    const int32_t ys[] = {CurrentY(), y};
    DrewPolyline(xs, ys, 2);
    Remember(xs, ys, 2, DrawPolyline(xs, ys, 2));
}

// Past the budget nothing is remembered, and the lines are drawn without
// counting what they write, which costs the WebAssembly build a tenth of
// the drawing.
void KeptCanvas::Polyline(const int32_t* xs, const int32_t* ys, size_t count)
{
    DrewPolyline(xs, ys, count);
    if (!Remembering())
        return Canvas::Polyline(xs, ys, count);
    Remember(xs, ys, count, DrawPolyline(xs, ys, count));
}

int64_t KeptCanvas::DashedPolyline(const int32_t* xs, const int32_t* ys, size_t count,
                                   DashPattern pattern, int64_t phase)
{
    DrewPolyline(xs, ys, count);
    if (!Remembering())
        return Canvas::DashedPolyline(xs, ys, count, pattern, phase);
    Remember(xs, ys, count, DrawDashedPolyline(xs, ys, count, pattern, phase));
    return phase;
}

void KeptCanvas::SmoothLine(double x0, double y0, double x1, double y1)
{
    const std::optional<WuSegment> segment = CutSmoothLine(x0, y0, x1, y1, Width(), Height());
    if (!segment)
        return;
    DrewSmoothLine(*segment);
    Remember(*segment);
    BlendWuSegment(*segment);
}

void KeptCanvas::StartLog()
{
    xs_.clear();
    ys_.clear();
    polylines_.clear();
    smoothInside_.clear();
    smoothOnOutline_.clear();
    eraseBudget_ = int64_t{Width()} * int64_t{Height()} / kEraseBudgetDivisor;
    overBudget_ = false;
}

bool KeptCanvas::Charge(int64_t pixels)
{
    eraseBudget_ -= pixels;
    if (eraseBudget_ >= 0)
        return true;
    StartLog();
    overBudget_ = true;
    return false;
}

// Each line is charged the pixels it writes and its set-up; a polyline
// that writes none, such as a lone point, needs no remembering.
void KeptCanvas::Remember(const int32_t* xs, const int32_t* ys, size_t count, Written written)
{
    if (!Remembering() || written.pixels == 0 ||
        !Charge(written.pixels + kPixelsPerRememberedLine * written.lines))
        return;
    polylines_.push_back({xs_.size(), count});
    xs_.insert(xs_.end(), xs, xs + count);
    ys_.insert(ys_.end(), ys, ys + count);
}

// A smooth line is charged two pixels a step along its major axis, and its
// two ends. The walk keeps to floor(min) − 1 … floor(max) + 2 of the ends'
// coordinates along each axis, which tells whether it stays inside the
// outline.
void KeptCanvas::Remember(const WuSegment& s)
{
    if (!Remembering())
        return;
    const double steps = std::max(std::abs(s.x1 - s.x0), std::abs(s.y1 - s.y0));
    if (!Charge(2 * (int64_t(steps) + 3) + kPixelsPerRememberedLine))
        return;
    const PixelBox& in = painted_->inside;
    const bool inside = std::min(s.x0, s.x1) >= double(in.left + 1) &&
                        std::max(s.x0, s.x1) < double(in.right - 2) &&
                        std::min(s.y0, s.y1) >= double(in.top + 1) &&
                        std::max(s.y0, s.y1) < double(in.bottom - 2);
    (inside ? smoothInside_ : smoothOnOutline_).push_back(s);
}

// A line is put back by drawing it again: in the fill inside the outline,
// where nearly every line lies whole, and in the pen on the outline's sides
// for the few that meet them. Last polyline first: the next redraw draws its
// first lines near where the last one drew its own, and so finds them still
// in the cache.
void KeptCanvas::Erase()
{
    const PaintedRectangle& r = *painted_;
    for (auto p = polylines_.rbegin(); p != polylines_.rend(); ++p) {
        const int32_t* xs = xs_.data() + p->first;
        const int32_t* ys = ys_.data() + p->first;
        PolylineWithin(xs, ys, p->count, r.fill, r.inside);
        PutBackOnTheSides(xs, ys, p->count);
    }
    CoverWuSegments(smoothInside_.data(), smoothInside_.size(), r.fill, r.inside);
    CoverWuSegments(smoothOnOutline_.data(), smoothOnOutline_.size(), r.fill, r.inside);
    for (const PixelBox& side : r.sides)
        CoverWuSegments(smoothOnOutline_.data(), smoothOnOutline_.size(), r.pen, side);
}

// The lines of a polyline that meet the outline, each run of them drawn
// again on its four sides: a line between two points inside the outline
// lies wholly inside it.
void KeptCanvas::PutBackOnTheSides(const int32_t* xs, const int32_t* ys, size_t count)
{
    const PaintedRectangle& r = *painted_;
    size_t i = 0;
    while (i < count) {
        while (i < count && r.inside.Contains(xs[i], ys[i]))
            ++i;
        if (i == count)
            return;
        // Point i lies outside: the lines on either side of it meet the
        // outline, up to the next point inside.
        const size_t first = i > 0 ? i - 1 : 0;
        while (i < count && !r.inside.Contains(xs[i], ys[i]))
            ++i;
        const size_t last = i < count ? i : count - 1;
        for (const PixelBox& side : r.sides)
            PolylineWithin(xs + first, ys + first, last - first + 1, r.pen, side);
    }
}
