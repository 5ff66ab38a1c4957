// SPDX-License-Identifier: MIT
// The picture as an SVG document: a 500 × 500 viewBox in picture units (see
// render/picture_paths.h), the black square with its white 1-unit border, then
// one <polyline> per path in its pen's colour. Every stroke is 1 unit wide
// and does not scale, as on screen, whatever size the document is shown at.
#pragma once

#include <vector>

#include <QByteArray>
#include <QString>

#include "render/picture_paths.h"

// The document of these paths, UTF-8, with `title` as its title if any.
QByteArray PictureSvg(const std::vector<PicturePath>& paths, const QString& title = QString());

// The document of what the view shows, titled with the figure and the angle.
QByteArray PictureSvg(const ViewState& view);

// "rgb(0,0,255)": a pen colour as SVG writes it.
QString SvgColour(uint32_t colour);
