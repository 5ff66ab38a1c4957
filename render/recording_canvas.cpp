// SPDX-License-Identifier: MIT
#include "render/recording_canvas.h"

#include <algorithm>
#include <cstdio>

void RecordingCanvas::SelectFill(uint32_t colour)
{
    CanvasOp op{CanvasOp::Kind::Fill};
    op.colour = colour;
    ops_.push_back(op);
    Canvas::SelectFill(colour);
}

void RecordingCanvas::SelectPen(const Pen& pen)
{
    CanvasOp op{CanvasOp::Kind::Pen};
    op.pen = pen.name;
    op.colour = pen.colour;
    ops_.push_back(op);
    Canvas::SelectPen(pen);
}

void RecordingCanvas::Rectangle(int32_t left, int32_t top, int32_t right, int32_t bottom)
{
    ops_.push_back({CanvasOp::Kind::Rectangle, left, top, right, bottom});
    Canvas::Rectangle(left, top, right, bottom);
}

void RecordingCanvas::MoveTo(int32_t x, int32_t y)
{
    ops_.push_back({CanvasOp::Kind::Move, x, y});
    Canvas::MoveTo(x, y);
}

void RecordingCanvas::LineTo(int32_t x, int32_t y)
{
    ops_.push_back({CanvasOp::Kind::Line, x, y});
    Canvas::LineTo(x, y);
}

// Recorded as the moves and lines it is made of.
void RecordingCanvas::Polyline(const int32_t* xs, const int32_t* ys, size_t count)
{
    if (count == 0)
        return;
    MoveTo(xs[0], ys[0]);
    for (size_t i = 0; i < count; ++i)
        LineTo(xs[i], ys[i]);
}

int64_t RecordingCanvas::DashedPolyline(const int32_t* xs, const int32_t* ys, size_t count,
                                        DashPattern pattern, int64_t phase)
{
    if (count == 0)
        return Canvas::DashedPolyline(xs, ys, count, pattern, phase);
    const int64_t period = std::max(pattern.Period(), 1);
    ops_.push_back({CanvasOp::Kind::Dashes, pattern.on, pattern.off,
                    int32_t(((phase % period) + period) % period)});
    ops_.push_back({CanvasOp::Kind::Move, xs[0], ys[0]});
    for (size_t i = 0; i < count; ++i)
        ops_.push_back({CanvasOp::Kind::Dash, xs[i], ys[i]});
    return Canvas::DashedPolyline(xs, ys, count, pattern, phase);
}

std::string FormatOp(const CanvasOp& op)
{
    char text[80];
    switch (op.kind) {
    case CanvasOp::Kind::Pen:
        std::snprintf(text, sizeof text, "pen %s", op.pen);
        break;
    case CanvasOp::Kind::Fill:
        std::snprintf(text, sizeof text, "fill %s", op.colour == kOpaqueBlack ? "black" : "colour");
        break;
    case CanvasOp::Kind::Rectangle:
        std::snprintf(text, sizeof text, "rect %d %d %d %d", op.a, op.b, op.c, op.d);
        break;
    case CanvasOp::Kind::Move:
        std::snprintf(text, sizeof text, "move %d %d", op.a, op.b);
        break;
    case CanvasOp::Kind::Line:
        std::snprintf(text, sizeof text, "line %d %d", op.a, op.b);
        break;
    case CanvasOp::Kind::Dashes:
        std::snprintf(text, sizeof text, "dashes %d %d %d", op.a, op.b, op.c);
        break;
    case CanvasOp::Kind::Dash:
        std::snprintf(text, sizeof text, "dash %d %d", op.a, op.b);
        break;
    }
    return text;
}
