// SPDX-License-Identifier: MIT
// A canvas kept from one redraw to the next, which erases the last redraw by
// drawing its lines again.
//
// A redraw starts by painting the picture square, and on a kept canvas that
// is mostly the same square again: only the last redraw's lines differ from
// it. So the kept canvas remembers the last rectangle it painted and every
// line (and smooth line) drawn since; when the same rectangle, in the same
// pen and fill, comes again it walks those lines once more in the
// rectangle's colours instead of filling it. A 2000 × 2000 picture is
// 16 MB, and filling it whole costs more than drawing the figure, while
// walking the lines again costs about what drawing them did. Only the
// lines' own pixels are put back, not tiles around them: a tile row would
// hold sixteen rows for each row a shallow line draws.
//
// Walking a line again costs more a pixel than filling a row, and each line
// its set-up and its place in the log: past an eighth of the canvas in
// pixels, counting six for each line, painting the rectangle whole is the
// cheaper erase, and the log is dropped. That bounds both the walk and the
// memory the log takes.
//
// It also keeps the box of every pixel that may have changed since it was
// last asked: what the last redraw drew, which the next puts back, and what
// the next draws. A page that shows the picture need only put that box
// again.
#pragma once

#include <limits>
#include <optional>
#include <vector>

#include "render/canvas.h"
#include "render/smooth_line.h"

class KeptCanvas : public Canvas {
public:
    // Keeps `canvas`, to draw every redraw on.
    explicit KeptCanvas(Canvas&& canvas);

    void Rectangle(int32_t left, int32_t top, int32_t right, int32_t bottom) override;
    void LineTo(int32_t x, int32_t y) override;
    void Polyline(const int32_t* xs, const int32_t* ys, size_t count) override;
    void SmoothLine(double x0, double y0, double x1, double y1) override;
    // Remembered as the solid polyline on the same points, whose pixels
    // hold every dash.
    int64_t DashedPolyline(const int32_t* xs, const int32_t* ys, size_t count, DashPattern pattern,
                           int64_t phase) override;

    // The box of every pixel that may differ from when this was last asked
    // (the whole canvas the first time); asking empties it.
    PixelBox TakeChanged();

private:
    static constexpr int64_t kEraseBudgetDivisor = 8;
    static constexpr int64_t kPixelsPerRememberedLine = 6;

    // What Rectangle painted: the pen on the outline's four sides, the fill
    // inside; each part as a box cut to the canvas.
    struct PaintedRectangle {
        int32_t left, top, right, bottom;
        uint32_t pen, fill;
        PixelBox inside;
        PixelBox sides[4];

        bool SameAs(const PaintedRectangle& o) const
        {
            return left == o.left && top == o.top && right == o.right && bottom == o.bottom &&
                   pen == o.pen && fill == o.fill;
        }
    };
    PaintedRectangle Painted(int32_t left, int32_t top, int32_t right, int32_t bottom) const;

    // A polyline remembered: its points in xs_ and ys_ from `first` on.
    struct RememberedPolyline {
        size_t first;
        size_t count;
    };

    // Nothing drawn before the first rectangle needs remembering, as the
    // first rectangle is painted whole; once over budget, nothing until the
    // next rectangle.
    bool Remembering() const { return painted_ && !overBudget_; }
    // Charges `pixels` to the budget: true when the log can take them. Past
    // the budget it drops the log.
    bool Charge(int64_t pixels);
    void Remember(const int32_t* xs, const int32_t* ys, size_t count, Written written);
    void Remember(const WuSegment& segment);
    void StartLog();
    // Puts back the painted rectangle under everything remembered.
    void Erase();
    void PutBackOnTheSides(const int32_t* xs, const int32_t* ys, size_t count);
    // Adds the box of pixels a line may write, cut to the canvas, to what
    // has been drawn and what has changed.
    void Drew(PixelBox box);
    void DrewPolyline(const int32_t* xs, const int32_t* ys, size_t count);
    // Smooth lines, cut to the canvas, are many and short: only their
    // extent is kept as they come, and made a box when one is needed.
    void DrewSmoothLine(const WuSegment& segment);
    void DrewSmoothLines();

    std::optional<PaintedRectangle> painted_;
    std::vector<int32_t> xs_;
    std::vector<int32_t> ys_;
    std::vector<RememberedPolyline> polylines_;
    // Smooth lines as cut to the canvas: those that stay inside the outline,
    // and those that may meet it.
    std::vector<WuSegment> smoothInside_;
    std::vector<WuSegment> smoothOnOutline_;
    int64_t eraseBudget_ = 0;
    bool overBudget_ = false;
    // What has been drawn since the last rectangle, and what has changed
    // since TakeChanged.
    PixelBox drawn_{};
    PixelBox changed_;
    // The least and greatest coordinates of the smooth lines' ends drawn
    // since DrewSmoothLines; none while left > right.
    struct SmoothExtent {
        static constexpr double kNone = std::numeric_limits<double>::infinity();
        double left = kNone, top = kNone, right = -kNone, bottom = -kNone;
    };
    SmoothExtent smoothExtent_;
};
