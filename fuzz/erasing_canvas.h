// SPDX-License-Identifier: MIT
// A canvas that a fuzzing run reuses for every redraw. A redraw starts by
// painting the whole picture square black with its white border; on this
// canvas, which still holds the last picture, it is enough to draw the last
// picture's lines again in black, which clears exactly the pixels they
// painted (the rasteriser is deterministic), and then the border. The
// picture comes out the same, pixel for pixel, at a fraction of the cost of
// filling a megabyte under the sanitizers.
#pragma once

#include <vector>

#include "render/canvas.h"

class ErasingCanvas : public Canvas {
public:
    ErasingCanvas() : Canvas(Canvas::ForRedraw()) {}

    void SelectPen(const Pen& pen) override
    {
        pen_ = pen;
        Canvas::SelectPen(pen);
    }
    void SelectFill(uint32_t colour) override
    {
        fill_ = colour;
        Canvas::SelectFill(colour);
    }
    void MoveTo(int32_t x, int32_t y) override
    {
        x_ = x;
        y_ = y;
        Canvas::MoveTo(x, y);
    }
    void LineTo(int32_t x, int32_t y) override
    {
        Remember({x_, x}, {y_, y});
        x_ = x;
        y_ = y;
        Canvas::LineTo(x, y);
    }
    void Polyline(const int32_t* xs, const int32_t* ys, size_t count) override
    {
        if (count == 0)
            return;
        Remember({xs, xs + count}, {ys, ys + count});
        x_ = xs[count - 1];
        y_ = ys[count - 1];
        Canvas::Polyline(xs, ys, count);
    }
    void Rectangle(int32_t left, int32_t top, int32_t right, int32_t bottom) override
    {
        const bool background = left == 0 && top == 0 && right == kPictureSize &&
                                bottom == kPictureSize && fill_ == kOpaqueBlack;
        if (!background || !painted_) {
            painted_ = painted_ || background;
            Canvas::Rectangle(left, top, right, bottom);
            return;
        }
        EraseLines();
        // The border, one pixel wide, on each side.
        Canvas::Rectangle(0, 0, kPictureSize, 1);
        Canvas::Rectangle(0, kPictureSize - 1, kPictureSize, kPictureSize);
        Canvas::Rectangle(0, 0, 1, kPictureSize);
        Canvas::Rectangle(kPictureSize - 1, 0, kPictureSize, kPictureSize);
    }

private:
    struct Drawn {
        std::vector<int32_t> xs, ys;
    };

    void Remember(std::vector<int32_t> xs, std::vector<int32_t> ys)
    {
        drawn_.push_back({std::move(xs), std::move(ys)});
    }

    void EraseLines()
    {
        Canvas::SelectPen({"erase", kOpaqueBlack});
        for (const Drawn& line : drawn_)
            Canvas::Polyline(line.xs.data(), line.ys.data(), line.xs.size());
        drawn_.clear();
        Canvas::SelectPen(pen_);
        Canvas::MoveTo(x_, y_);
    }

    bool painted_ = false;
    Pen pen_{"none", kOpaqueBlack};
    uint32_t fill_ = kOpaqueBlack;
    int32_t x_ = 0;
    int32_t y_ = 0;
    std::vector<Drawn> drawn_;
};
