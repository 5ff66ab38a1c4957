// SPDX-License-Identifier: MIT
// What the window shows, as it leaves the program: the figure's picture
// alone, or, with "Desarrollo" on, the figure's and the flat picture side by
// side, kFlatPictureGap logical pixels apart, as one image, one SVG document
// or one printed row.
#pragma once

#include <optional>

#include <QByteArray>
#include <QColor>
#include <QImage>

#include "export/picture_page.h"
#include "geometry/view_state.h"

// The two shown pictures as one image: the figure's at the left, the flat
// one `gap` device pixels to its right, the gap in the window's colour
// `between`. Both are shown at one size; a null flat picture gives the
// figure's alone.
QImage SideBySideImage(const QImage& figure, const QImage& flat, int gap, const QColor& between);

// The vector document of what is shown (picture_svg.h, flat_svg.h), with
// the angle mark at the point, if any.
QByteArray ShownSvg(const ViewState& view, bool flat, std::optional<double> point = std::nullopt);

// The drawings of what is shown, for the printed page, in picture units,
// with the angle mark's lines at the point, if any.
PictureRow ShownDrawings(const ViewState& view, bool flat,
                         std::optional<double> point = std::nullopt);
