// SPDX-License-Identifier: MIT
// The flat picture as SVG, alone or beside the figure.
//
// Alone, a 500 × 500 viewBox: the black square with its white border, as the
// figure's document has it (picture_svg.h), then
//   <g id="flat" transform="matrix(k 0 0 -k e f)">
// holding one <polyline> per piece (render/flat_cuts.h) in development units
// (render/development.h), with class="outline", "wire" or "curve" and its
// pen's colour. The matrix is the fit of render/flat_picture.h: it takes
// (X, Y) to picture units (k·X + e, f − k·Y); strokes are 1 picture unit
// wide, 1/k development units. Coordinates are written with
// nine decimals and no exponent; every piece lies inside its outline, so
// none is long.
//
// Beside the figure, as the window shows them: a viewBox kFlatPictureGap
// units wider than two pictures, each picture in a nested 500 × 500 <svg>
// that shows nothing outside its square, the figure's at x = 0 and the flat
// one at x = 510.
#pragma once

#include <optional>

#include <QByteArray>
#include <QString>

#include "geometry/view_state.h"
#include "render/flat_picture.h"

// The document of a flat figure, with `title` as its title if any; with a
// point, its angle mark inside the flat group (angle_mark_svg.h).
QByteArray FlatPictureSvg(const FlatFigure& flat, const QString& title = QString(),
                          std::optional<double> point = std::nullopt);

// The document of the flat picture of a figure at an angle, titled with
// FlatCaption.
QByteArray FlatPictureSvg(CurveKind figure, int angleDeg,
                          std::optional<double> point = std::nullopt);

// The figure the view shows and its flat picture, side by side, titled with
// the figure's caption; with a point, the mark on both.
QByteArray SideBySideSvg(const ViewState& view, std::optional<double> point = std::nullopt);
