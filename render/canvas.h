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
// crosses the canvas: the same pixels as on an unbounded raster. Clipping
// happens in one place: every write lies in a box that Clip has cut to the
// canvas, and each kind of write keeps to its box (a span is cut to it, a
// line walks only its steps inside it, a smooth line's pixel is tested
// against it).
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <new>

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

// Dashes along a line, in device pixels: `on` pixels drawn, then `off` left
// out, over and over. A line's length here is its major extent (the longer
// of its width and height), the pixels an exact line walks, in both line
// styles; the pattern goes on from one line of a polyline to the next, and
// a position along it is counted from the start of an `on` run.
struct DashPattern {
    int32_t on = 4;
    int32_t off = 4;
    int32_t Period() const { return on + off; }
};

// 4 pixels on and 4 off at scale 1, times the scale, rounded, at least 1 each.
DashPattern DashPatternAt(double scale);

// Columns [left, right) and rows [top, bottom).
struct PixelBox {
    int64_t left, top, right, bottom;

    bool Empty() const { return right <= left || bottom <= top; }
    bool Contains(int64_t x, int64_t y) const
    {
        return x >= left && x < right && y >= top && y < bottom;
    }
    // The pixels in both boxes.
    PixelBox Meet(const PixelBox& o) const
    {
        return {std::max(left, o.left), std::max(top, o.top), std::min(right, o.right),
                std::min(bottom, o.bottom)};
    }
    // The smallest box holding the pixels of both; an empty box adds none.
    PixelBox Join(const PixelBox& o) const
    {
        if (o.Empty())
            return *this;
        if (Empty())
            return o;
        return {std::min(left, o.left), std::min(top, o.top), std::max(right, o.right),
                std::max(bottom, o.bottom)};
    }
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
    // Polyline(xs, ys, count) in dashes: of the pixels its lines walk, in
    // order, those at pattern positions [0, on) are written, the first at
    // position `phase`. Returns the position after its last pixel, in
    // [0, period), for a polyline that goes on from there.
    virtual int64_t DashedPolyline(const int32_t* xs, const int32_t* ys, size_t count,
                                   DashPattern pattern, int64_t phase);
    // SmoothLine along the polyline of unrounded points, in dashes: each
    // `on` run of its length (major extent) is one SmoothLine, starting at
    // position `phase`. Returns the position after its last point.
    double DashedSmoothPolyline(const double* xs, const double* ys, size_t count,
                                DashPattern pattern, double phase);

    // Drawing in a colour of its own and only inside a box, for drawing again
    // over what was drawn: the pen, the fill and the current position stay
    // as they are.
    //
    // The lines of Polyline(xs, ys, count), only their pixels inside `box`.
    void PolylineWithin(const int32_t* xs, const int32_t* ys, size_t count, uint32_t colour,
                        PixelBox box);
    // The pen blended along a segment already cut to this canvas
    // (CutSmoothLine): SmoothLine without the cut.
    void BlendWuSegment(const WuSegment& segment);
    // Every pixel inside `box` that any of the cut segments plots, whatever
    // its weight, set to `colour`.
    void CoverWuSegments(const WuSegment* segments, size_t count, uint32_t colour, PixelBox box);

    // What a polyline wrote: its pixels, and how many of its lines wrote any.
    struct Written {
        int64_t pixels = 0;
        int64_t lines = 0;
    };
    // Polyline(xs, ys, count), saying what it wrote.
    Written DrawPolyline(const int32_t* xs, const int32_t* ys, size_t count);
    // DashedPolyline, saying what its lines walk (a superset of what it
    // wrote, and what a solid polyline on the same points writes), and
    // moving `phase` on.
    Written DrawDashedPolyline(const int32_t* xs, const int32_t* ys, size_t count,
                               DashPattern pattern, int64_t& phase);

    int Width() const { return width_; }
    int Height() const { return height_; }
    PixelBox Bounds() const { return {0, 0, width_, height_}; }
    uint32_t PenColour() const { return penColour_; }
    uint32_t FillColour() const { return fillColour_; }
    int32_t CurrentX() const { return currentX_; }
    int32_t CurrentY() const { return currentY_; }
    // The pixel at (x, y); (x, y) must lie on the canvas.
    uint32_t PixelAt(int x, int y) const { return pixels_[Index(x, y)]; }
    // Row-major pixels, Width() per row.
    const uint32_t* Bits() const { return pixels_.get(); }

private:
    struct Unpainted {};
    explicit Canvas(Unpainted);

    void PaintRectangle(int32_t left, int32_t top, int32_t right, int32_t bottom);

    std::size_t Index(int x, int y) const
    {
        return std::size_t(y) * std::size_t(width_) + std::size_t(x);
    }
    bool OnCanvas(int32_t x, int32_t y) const
    {
        return uint32_t(x) < uint32_t(width_) && uint32_t(y) < uint32_t(height_);
    }
    // The part of `box` on the canvas: the one place writes are cut to it.
    PixelBox Clip(const PixelBox& box) const { return box.Meet(Bounds()); }
    // The ways pixels are written, each inside a box that Clip returned.
    // DrawLineOnCanvas takes a line whose ends both lie in it; DrawLineIn
    // clips any line to it exactly, step by step, before it writes. Each
    // hands every pixel of the line, in order, to `plot`, which writes it
    // (SolidPlot) or not (DashPlot), telling it first how many steps from
    // the line's first pixel its walk starts; each says how many pixels it
    // walked.
    template <class Plot>
    int64_t DrawLine(int32_t x0, int32_t y0, int32_t x1, int32_t y1, Plot plot);
    template <class Plot>
    int32_t DrawLineOnCanvas(int32_t x0, int32_t y0, int32_t x1, int32_t y1, Plot plot);
    template <class Plot>
    int64_t DrawLineIn(const PixelBox& box, int64_t x0, int64_t y0, int64_t x1, int64_t y1,
                       Plot plot);
    void FillSpan(int64_t y, int64_t x0, int64_t x1, uint32_t colour);

    // The pixels start on a cache line, so that the vectors a fill writes
    // never straddle two lines, whatever the allocator's own alignment.
    static constexpr std::size_t kPixelAlignment = 64;
    struct AlignedDelete {
        void operator()(uint32_t* pixels) const
        {
            ::operator delete[](pixels, std::align_val_t{kPixelAlignment});
        }
    };
    static std::unique_ptr<uint32_t[], AlignedDelete> NewPixels(int width, int height);

    int width_;
    int height_;
    std::unique_ptr<uint32_t[], AlignedDelete> pixels_;
    uint32_t penColour_ = kOpaqueBlack;
    uint32_t fillColour_ = kOpaqueBlack;
    int32_t currentX_ = 0;
    int32_t currentY_ = 0;
};
