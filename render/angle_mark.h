// SPDX-License-Identifier: MIT
// The mark of the angle at a point of the curve (curve_point.h), in one
// colour drawn after the curve: a dot at the point; a segment of the
// generatrix through it and one of the tangent, each kMarkLength long and
// centred on the point, the generatrix cut to the surface as drawn; the arc
// of radius kMarkArcRadius from the generatrix's upward or outward half to
// the tangent's half that makes the angle with it, in the plane the two
// span; and the angle measured between the two directions.
//
// The mark is made in space (model units) or in the flat picture
// (development units, sheet 0, as development.h lays them out), then taken
// to picture units (picture_paths.h) by the view's projection or the flat
// fit, and drawn from there at any scale and in either line style. Its text
// is the toolkit's to draw, centred on LabelAnchor.
#pragma once

#include <optional>
#include <vector>

#include "geometry/vec3.h"
#include "geometry/view_state.h"
#include "render/canvas.h"
#include "render/curve_point.h"
#include "render/development.h"
#include "render/figure_model.h"
#include "render/flat_picture.h"
#include "render/picture_paths.h"
#include "render/picture_scale.h"

constexpr double kMarkLength = 16.0;
constexpr double kMarkArcRadius = 6.0;
// Yellow: it stands out from the blue curve, the grey wires and the white
// border on black.
constexpr Pen kMarkPen{"mark", 0xFFFFFF00u};

// The parts of a mark, in the units of its point type. A part that is not
// drawn is empty; without directions (the cone's apex) only the point is.
template <class Point> struct MarkParts {
    bool shown = false; // false: nothing at all, not even the point
    Point point{};
    std::vector<Point> generatrix, tangent, arc; // one polyline each
    bool hasAngle = false;
    double angleDeg = 0.0; // measured, 0 to 90
    // With the hidden parts shown, the point lies where the surface hides it
    // from the eye: its generatrix, tangent and arc are drawn in the hidden
    // curve's dashes, as the curve is there. The dot stays whole, too small
    // to dash. Never in the flat picture, which hides nothing.
    bool hidden = false;
};
using SpaceMark = MarkParts<Vec3>;
using FlatMark = MarkParts<FlatPoint>;
using PictureMark = MarkParts<PicturePoint>;

// The mark at a parameter of a traced curve, in space. Nothing for a curve
// of no figure or a point that is not finite.
SpaceMark MarkInSpace(const TracedCurve& curve, double parameter);

// The same point in the flat picture, from the flat images of the point, the
// generatrix and the curve's direction; the angle is measured in the plane.
// Nothing where the point lies outside the outline (the loxodrome near the
// poles, past the Mercator square).
FlatMark MarkInPlane(const TracedCurve& curve, double parameter);

// The point alone in the flat picture, without the mark's parts: where
// MarkInPlane puts it, or nothing where it shows none.
std::optional<FlatPoint> FlatCurvePoint(const TracedCurve& curve, double parameter);

// The mark in picture units: projected by the view's frame (framed
// already), or through the flat picture's fit.
PictureMark ProjectMark(const SpaceMark& mark, const ViewState& view);
PictureMark FitMark(const FlatMark& mark, const FlatFit& fit);

// Whether the mark's point is hidden from the view's eye by the drawn
// surface of `model` (the view's figure), with the view's hidden parts
// shown; never without them.
bool MarkPointHidden(const SpaceMark& mark, const ViewState& view, const FigureModel& model);

// The mark of the view's figure at a parameter, projected by the view's
// frame rebuilt on a copy, as PicturePaths projects the figure, and hidden
// as MarkPointHidden says: for a single picture or an export. Nothing
// without a figure.
PictureMark FigureAngleMark(const ViewState& view, double parameter);
// The mark in a flat figure's picture, through its fit.
PictureMark FlatAngleMark(const FlatFigure& flat, double parameter);

// Where the centre of the measured angle's text goes, in picture units:
// kLabelDistance picture pixels beyond the middle of the arc, away from the
// point; as far up and to the right of the point when the arc has no middle
// apart from it.
constexpr double kLabelDistance = 16.0;
PicturePoint LabelAnchor(const PictureMark& mark);
// The text's size, in picture pixels.
constexpr double kAngleTextPixels = 13.0;

// The dot's radius, in picture pixels (at a scale, its device pixels are
// that many times the scale, one at least).
constexpr double kMarkDotRadius = 2.0;

// Draws the mark in kMarkPen, 1 device pixel wide, at the mapping's scale:
// the parts as lines between the truncated pixels (exact) or the unrounded
// positions (smooth), dashed as the hidden curve is (DashPatternAt the
// scale, each part from the start of a dash) when the mark is hidden, then
// the dot as rows of pixels about the point's.
// Leaves kMarkPen current.
void DrawAngleMark(Canvas& canvas, const PictureMark& mark, PictureMapping mapping = {});

// The mark's parts as picture paths in kMarkPen (generatrix, tangent, arc),
// dashed when the mark is hidden, for the printed page; the dot last, as a
// ring of kMarkDotRadius.
std::vector<PicturePath> AngleMarkPaths(const PictureMark& mark);
