// SPDX-License-Identifier: MIT
// The angle mark in an SVG document, after the figure's paths:
//   <g class="angle-mark" fill="none" stroke="rgb(255,255,0)" …>
//     <polyline class="generatrix" …/> <polyline class="tangent" …/>
//     <polyline class="arc" …/>
//     <circle class="point" cx="…" cy="…" r="…"/>
//     <text x="…" y="…">60,0º</text>
//   </g>
// In the figure's document the coordinates are picture units (x = 250 + u,
// y = 250 − v, unrounded, six decimals), strokes 1 unit wide and not
// scaling. In the flat picture the group sits inside <g id="flat">, in
// development units (nine decimals), strokes 1/k wide for the fit's k, and
// the text is turned back upright and to picture size by a transform of its
// own. A part that is not drawn is left out; the text too, without an angle.
// A point not finite, or beyond kPathReach, breaks its polyline.
#pragma once

#include <QByteArray>

#include "render/angle_mark.h"
#include "render/flat_picture.h"

class QXmlStreamWriter;

void WriteAngleMark(QXmlStreamWriter& xml, const PictureMark& mark);
void WriteFlatAngleMark(QXmlStreamWriter& xml, const FlatMark& mark, const FlatFit& fit);

// The figure's group alone, as text to put into a document.
QByteArray AngleMarkElement(const PictureMark& mark);
