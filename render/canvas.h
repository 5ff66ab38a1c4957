// SPDX-License-Identifier: MIT
// The off-screen picture a redraw is composed on.
//
// 500 pixels wide and 502 rows high at scale 1, N wide and N + 2 high for a
// picture of N device pixels; 32-bit pixels 0xAARRGGBB (alpha always 0xFF,
// so the buffer can be shown as an RGB32 image without conversion). Pixel
// (0, 0) is the top left corner; x grows to the right, y downwards. Only the
// top square is painted and shown; the two rows below it stay black.
//
// Coordinates are any 32-bit integers. Whatever falls outside the raster is
// clipped, and a line from or to a point outside is drawn exactly where it
// crosses the canvas: the same pixels as on an unbounded raster.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "geometry/picture.h"
#include "render/smooth_line.h"

// The picture square, and below it two rows that are never painted or shown.
constexpr int kCanvasWidth = kPictureSize;
constexpr int kCanvasHeight = kPictureSize + 2;
// Rows below the picture square, never painted and never shown.
constexpr int kRowsBelowPicture = kCanvasHeight - kPictureSize;

constexpr uint32_t kOpaqueBlack = 0xFF000000u;

// A solid pen, 1 pixel wide. The name identifies it in operation logs.
struct Pen {
    const char* name;
    uint32_t colour;
};

class Canvas {
public:
    // A black canvas.
    Canvas(int width = kCanvasWidth, int height = kCanvasHeight);
    // A canvas for a redraw, whose first operation paints the whole picture
    // square: only the rows below the square are cleared.
    static Canvas ForRedraw();
    // A black canvas for a square picture of `side` pixels.
    static Canvas ForPicture(int side);

    Canvas(Canvas&&) = default;
    Canvas& operator=(Canvas&&) = default;
    virtual ~Canvas() = default;

    // Makes a solid fill of this colour current for later rectangles.
    virtual void SelectFill(uint32_t colour);
    // Makes the pen current for later lines and outlines.
    virtual void SelectPen(const Pen& pen);
    // Fills [left, right) × [top, bottom) and outlines it with the pen: the
    // outline lies on columns left and right − 1, rows top and bottom − 1.
    virtual void Rectangle(int32_t left, int32_t top, int32_t right, int32_t bottom);
    // Sets the current position without drawing.
    virtual void MoveTo(int32_t x, int32_t y);
    // Draws from the current position to (x, y), leaving out (x, y) itself,
    // and makes it the current position. A line to the current position
    // draws nothing.
    virtual void LineTo(int32_t x, int32_t y);
    // MoveTo the first of `count` points, then LineTo every one of them, the
    // first included: how every figure draws its polylines.
    virtual void Polyline(const int32_t* xs, const int32_t* ys, size_t count);
    // An anti-aliased line in the current pen between two unrounded points,
    // pixel (x, y) covering [x, x + 1) × [y, y + 1). Blends the pen into
    // what is there; points not finite draw nothing. Leaves the current
    // position alone.
    virtual void SmoothLine(double x0, double y0, double x1, double y1);

    int Width() const { return width_; }
    int Height() const { return height_; }
    // The pixel at (x, y); (x, y) must lie on the canvas.
    uint32_t PixelAt(int x, int y) const { return pixels_[Index(x, y)]; }
    // Row-major pixels, Width() per row.
    const uint32_t* Bits() const { return pixels_.get(); }

private:
    struct Unpainted {};
    explicit Canvas(Unpainted);

    // A canvas kept from one redraw to the next is mostly the same black
    // square again. It remembers the last rectangle it painted and every line
    // drawn since; when the same rectangle comes again it walks those lines
    // once more and puts back what the rectangle had under them. A 2000 × 2000
    // picture is 16 MB, and filling it whole costs more than drawing the
    // figure, while walking the lines again costs about what drawing them
    // did. (Repainting fixed tiles around the lines measured slower: a tile
    // row holds sixteen rows of a shallow line's one.)
    //
    // Walking a line again costs more a pixel than filling a row, and each
    // line its set-up and its place in the log: past an eighth of the canvas
    // in pixels, counting six for each line, painting the rectangle whole is
    // the cheaper erase, and the log is dropped. That bounds both the walk
    // and the memory the log takes.
    static constexpr int64_t kEraseBudgetDivisor = 8;
    static constexpr int64_t kPixelsPerRememberedLine = 6;
    struct PaintedRectangle {
        int32_t left, top, right, bottom;
        uint32_t pen, fill;
        bool operator==(const PaintedRectangle& o) const
        {
            return left == o.left && top == o.top && right == o.right && bottom == o.bottom &&
                   pen == o.pen && fill == o.fill;
        }
    };
    struct DrawnLine {
        int32_t x0, y0, x1, y1;
    };
    void PaintRectangle(int32_t left, int32_t top, int32_t right, int32_t bottom);
    // Puts back the painted rectangle under every line remembered.
    void EraseDrawnLines();
    void EraseDrawnSmoothLines();
    void ForgetDrawnLines();
    // Charges a line of about `pixels` pixels to the budget: true when it
    // is to be remembered. Nothing drawn before the first rectangle needs
    // remembering, as the first rectangle is painted whole; once over
    // budget, the log is dropped until the next rectangle.
    bool Remembers(int64_t pixels)
    {
        if (!hasPainted_ || forgotLines_)
            return false;
        eraseBudget_ -= pixels + kPixelsPerRememberedLine;
        if (eraseBudget_ >= 0)
            return true;
        ForgetOverBudget();
        return false;
    }
    void ForgetOverBudget();
    // Pixel (x, y) as the painted rectangle left it, if it lies inside.
    void RestorePixel(int64_t x, int64_t y);
    bool InsidePaintedOutline(int32_t x, int32_t y) const;

    std::size_t Index(int x, int y) const
    {
        return std::size_t(y) * std::size_t(width_) + std::size_t(x);
    }
    bool OnCanvas(int32_t x, int32_t y) const
    {
        return uint32_t(x) < uint32_t(width_) && uint32_t(y) < uint32_t(height_);
    }
    // The ways pixels are written. FillSpan clips each span; a line is either
    // wholly on the canvas or clipped exactly, step by step, before it writes.
    void DrawLineOnCanvas(int32_t x0, int32_t y0, int32_t x1, int32_t y1, uint32_t colour);
    void DrawClippedLine(int64_t x0, int64_t y0, int64_t x1, int64_t y1);
    // Calls put(index) for every pixel of the line on the canvas, and
    // returns how many there were.
    template <class Put>
    int64_t WalkClippedLine(int64_t x0, int64_t y0, int64_t x1, int64_t y1, Put put);
    void FillSpan(int64_t y, int64_t x0, int64_t x1, uint32_t colour);

    int width_;
    int height_;
    std::unique_ptr<uint32_t[]> pixels_;
    uint32_t penColour_ = kOpaqueBlack;
    uint32_t fillColour_ = kOpaqueBlack;
    int32_t currentX_ = 0;
    int32_t currentY_ = 0;
    bool hasPainted_ = false;
    PaintedRectangle painted_{};
    std::vector<DrawnLine> drawnLines_;
    // Smooth lines as cut to the canvas.
    std::vector<WuSegment> drawnSmoothLines_;
    int64_t eraseBudget_ = 0;
    bool forgotLines_ = false;
};
