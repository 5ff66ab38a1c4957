// SPDX-License-Identifier: MIT
// The picture as an SVG document: a 500 × 500 viewBox in picture units (see
// render/picture_paths.h), the black square with its white 1-unit border, then
// one <polyline> per path in its pen's colour. Every stroke is 1 unit wide
// and does not scale, as on screen, whatever size the document is shown at.
#pragma once

#include <optional>
#include <vector>

#include <QByteArray>
#include <QString>

#include "render/picture_paths.h"

// The document of these paths, UTF-8, with `title` as its title if any and
// `overlay`, elements drawn over the paths, last.
QByteArray PictureSvg(const std::vector<PicturePath>& paths, const QString& title = QString(),
                      const QByteArray& overlay = QByteArray());

// The document of what the view shows, titled with the figure and the angle;
// with a point, its angle mark over the figure (angle_mark_svg.h).
QByteArray PictureSvg(const ViewState& view, std::optional<double> point = std::nullopt);

// "rgb(0,0,255)": a pen colour as SVG writes it.
QString SvgColour(uint32_t colour);
// A hidden part's dashes, in picture units as at scale 1: "4 4".
QString SvgDashArray();

// The parts of a picture document, for documents that hold more than one
// picture (flat_svg.h), each in the current user space:
class QXmlStreamWriter;
// A stroke 1 unit wide that does not scale, in the pen's colour, no fill.
void WriteSvgStroke(QXmlStreamWriter& xml, uint32_t colour);
// The black 500 × 500 square with its white border, at the origin.
void WriteSvgSquare(QXmlStreamWriter& xml);
// One <polyline> per path, in picture units.
void WriteSvgPaths(QXmlStreamWriter& xml, const std::vector<PicturePath>& paths);
// The <svg> element of a document `width` × 500 picture units, opened with
// its title, if any; the caller closes it and the document.
void StartSvgDocument(QXmlStreamWriter& xml, int width, const QString& title);
