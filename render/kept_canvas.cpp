// SPDX-License-Identifier: MIT
#include "render/kept_canvas.h"

#include <algorithm>
#include <cmath>
#include <utility>

KeptCanvas::KeptCanvas(Canvas&& canvas) : Canvas(std::move(canvas)) {}

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
    if (painted_ && painted_->SameAs(wanted) && !overBudget_)
        Erase();
    else
        Canvas::Rectangle(left, top, right, bottom);
    painted_ = wanted;
    StartLog();
}

void KeptCanvas::LineTo(int32_t x, int32_t y)
{
    const int32_t xs[] = {CurrentX(), x};
    const int32_t ys[] = {CurrentY(), y};
    Remember(xs, ys, 2);
    Canvas::LineTo(x, y);
}

void KeptCanvas::Polyline(const int32_t* xs, const int32_t* ys, size_t count)
{
    Remember(xs, ys, count);
    Canvas::Polyline(xs, ys, count);
}

void KeptCanvas::SmoothLine(double x0, double y0, double x1, double y1)
{
    const std::optional<WuSegment> segment = CutSmoothLine(x0, y0, x1, y1, Width(), Height());
    if (!segment)
        return;
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
// that writes none, such as a lone point, needs no remembering. The
// polyline is kept as runs of lines that lie wholly inside the outline or
// not, so that only the few that meet it are walked along its sides.
void KeptCanvas::Remember(const int32_t* xs, const int32_t* ys, size_t count)
{
    if (!Remembering() || count < 2)
        return;
    int64_t cost = 0;
    for (size_t i = 1; i < count; ++i) {
        const int64_t pixels = LinePixels(xs[i - 1], ys[i - 1], xs[i], ys[i]);
        if (pixels > 0)
            cost += pixels + kPixelsPerRememberedLine;
        if (cost > eraseBudget_)
            break;
    }
    if (cost == 0 || !Charge(cost))
        return;
    const PixelBox& inside = painted_->inside;
    size_t runStart = 0;
    bool runInside = inside.Contains(xs[0], ys[0]) && inside.Contains(xs[1], ys[1]);
    bool lastInside = inside.Contains(xs[1], ys[1]);
    for (size_t i = 2; i < count; ++i) {
        const bool pointInside = inside.Contains(xs[i], ys[i]);
        const bool lineInside = lastInside && pointInside;
        lastInside = pointInside;
        if (lineInside == runInside)
            continue;
        AddRun(xs + runStart, ys + runStart, i - runStart, runInside);
        runStart = i - 1;
        runInside = lineInside;
    }
    AddRun(xs + runStart, ys + runStart, count - runStart, runInside);
}

void KeptCanvas::AddRun(const int32_t* xs, const int32_t* ys, size_t count, bool inside)
{
    polylines_.push_back({xs_.size(), count, inside});
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
        if (!p->inside)
            for (const PixelBox& side : r.sides)
                PolylineWithin(xs, ys, p->count, r.pen, side);
    }
    CoverWuSegments(smoothInside_.data(), smoothInside_.size(), r.fill, r.inside);
    CoverWuSegments(smoothOnOutline_.data(), smoothOnOutline_.size(), r.fill, r.inside);
    for (const PixelBox& side : r.sides)
        CoverWuSegments(smoothOnOutline_.data(), smoothOnOutline_.size(), r.pen, side);
}
