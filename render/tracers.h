// The three figures. Each draws the wireframe of its base surface in
// `wirePen`, then its curve over it in `curvePen`, and returns with
// `curvePen` current. Every vertex goes through PixelOf of the current view.
#pragma once

#include "render/canvas.h"

void TraceHelix(Canvas& canvas, const Pen& wirePen, const Pen& curvePen);
void TraceConicalHelix(Canvas& canvas, const Pen& wirePen, const Pen& curvePen);
void TraceSphericalHelix(Canvas& canvas, const Pen& wirePen, const Pen& curvePen);
