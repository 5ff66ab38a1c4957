// SPDX-License-Identifier: MIT
// The three figures and how they are traced: the wireframe of the base
// surface in `wirePen`, then the curve over it in `curvePen`, ending with
// `curvePen` current. Every vertex goes through PixelOf of the view drawn.
//
// The vertices come from the figure's model at the view's angleDeg, which
// the cache keeps between redraws.
#pragma once

#include "render/canvas.h"
#include "render/figure_model.h"
#include "render/picture_scale.h"

FigureModel HelixModel(int angleDeg);
FigureModel ConicalHelixModel(int angleDeg);
FigureModel SphericalHelixModel(int angleDeg);

// The model builder of a figure; nullptr for CurveKind::None or any value
// that names no figure.
FigureBuilder BuilderOf(CurveKind figure);

// Draws the model of the view's figure at its angle, built by `build` unless
// the cache holds it, projected by the view's frame (framed already): each
// polyline is a MoveTo to its first vertex's pixel and a LineTo to every
// vertex's pixel, the first included (a line of no length). The mapping
// scales the vertices; smooth lines join the unrounded positions instead.
// The loxodrome's stop test stays in picture coordinates, so every scale
// draws the same vertices.
void TraceFigure(Canvas& canvas, const Pen& wirePen, const Pen& curvePen, FigureCache& figures,
                 const ViewState& view, FigureBuilder build, PictureMapping mapping = {});

// The view's figure projected by the view's frame: its model at the view's
// angle, unless the cache holds it, and every vertex's picture coordinates
// and, by the mapping, its pixel or unrounded position.
const FigureModel& ProjectFigure(FigureCache& figures, const ViewState& view, FigureBuilder build,
                                 PictureMapping mapping);

// How many of the polyline's vertices are drawn, from their projection: all,
// or, when it stops outside the picture, up to and including the first vertex
// projected outside the picture square (or to not-a-number).
uint32_t DrawnCount(const ProjectedFigure& projected, FigurePolyline polyline,
                    bool stopOutsidePicture);
