// How every figure draws a vertex of a polyline.
#pragma once

#include "geometry/view_frame.h"
#include "render/canvas.h"

// Projects the vertex; the first of a polyline also moves there, and every
// vertex, the first included, gets a LineTo (for the first one a line of no
// length, which draws nothing).
inline void EmitVertex(Canvas& canvas, Vec3 vertex, bool first)
{
    const Pixel pixel = PixelOf(vertex);
    if (first)
        canvas.MoveTo(pixel.x, pixel.y);
    canvas.LineTo(pixel.x, pixel.y);
}

// Squared distance from the origin, summed x² + y² + z² left to right.
inline double SquaredDistance(Vec3 p) { return p.x * p.x + p.y * p.y + p.z * p.z; }
