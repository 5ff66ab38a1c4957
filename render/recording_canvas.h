// SPDX-License-Identifier: MIT
// A canvas that also keeps a log of every operation made on it, for tests and
// for the snapshot tool. It still draws, so one redraw gives both the picture
// and the operations that made it.
#pragma once

#include <string>
#include <vector>

#include "render/canvas.h"

struct CanvasOp {
    enum class Kind { Pen, Fill, Rectangle, Move, Line, Dashes, Dash };
    Kind kind;
    int32_t a = 0; // x, or left, or the dashes' on
    int32_t b = 0; // y, or top, or the dashes' off
    int32_t c = 0; // right, or the dashes' phase
    int32_t d = 0; // bottom
    const char* pen = nullptr;
    uint32_t colour = 0;
};

class RecordingCanvas : public Canvas {
public:
    using Canvas::Canvas;

    // A canvas of no pixels, which records every operation and draws none:
    // for what needs the operations and not the picture.
    static RecordingCanvas OperationsOnly() { return RecordingCanvas(0, 0); }

    void SelectFill(uint32_t colour) override;
    void SelectPen(const Pen& pen) override;
    void Rectangle(int32_t left, int32_t top, int32_t right, int32_t bottom) override;
    void MoveTo(int32_t x, int32_t y) override;
    void LineTo(int32_t x, int32_t y) override;
    void Polyline(const int32_t* xs, const int32_t* ys, size_t count) override;
    // Recorded as `dashes ON OFF PHASE`, a move to its first point and a
    // dash to every point, the first included.
    int64_t DashedPolyline(const int32_t* xs, const int32_t* ys, size_t count, DashPattern pattern,
                           int64_t phase) override;

    const std::vector<CanvasOp>& Ops() const { return ops_; }

private:
    std::vector<CanvasOp> ops_;
};

// One line per operation: `pen NAME`, `fill black`, `rect L T R B`,
// `move X Y`, `line X Y`; a dashed polyline is `dashes ON OFF PHASE`, then
// its `move X Y` and a `dash X Y` for each of its lines, the pattern going
// on from one dash to the next.
std::string FormatOp(const CanvasOp& op);
