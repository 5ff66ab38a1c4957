// SPDX-License-Identifier: MIT
// The three figures. Each tracer draws the wireframe of its base surface in
// `wirePen`, then its curve over it in `curvePen`, and returns with
// `curvePen` current. Every vertex goes through PixelOf of the current view.
//
// The vertices come from the figure's model at View().angleDeg, which the
// cache keeps between redraws.
#pragma once

#include "render/canvas.h"
#include "render/figure_model.h"
#include "render/picture_scale.h"

FigureModel HelixModel(int angleDeg);
FigureModel ConicalHelixModel(int angleDeg);
FigureModel SphericalHelixModel(int angleDeg);

void TraceHelix(Canvas& canvas, const Pen& wirePen, const Pen& curvePen, FigureCache& figures);
void TraceConicalHelix(Canvas& canvas, const Pen& wirePen, const Pen& curvePen,
                       FigureCache& figures);
void TraceSphericalHelix(Canvas& canvas, const Pen& wirePen, const Pen& curvePen,
                         FigureCache& figures);

// Draws the model of `figure` at View().angleDeg, built by `build` unless the
// cache holds it: each polyline is a MoveTo to its first vertex's pixel and a
// LineTo to every vertex's pixel, the first included (a line of no length).
// The mapping scales the vertices; smooth lines join the unrounded positions
// instead. The loxodrome's stop test stays in picture coordinates, so every
// scale draws the same vertices.
void TraceFigure(Canvas& canvas, const Pen& wirePen, const Pen& curvePen, FigureCache& figures,
                 CurveKind figure, FigureBuilder build, PictureMapping mapping = {});

// How many of the polyline's vertices are drawn, from their projection: all,
// or, when it stops outside the picture, up to and including the first vertex
// projected outside the picture square (or to not-a-number).
uint32_t DrawnCount(const ProjectedFigure& projected, FigurePolyline polyline,
                    bool stopOutsidePicture);
