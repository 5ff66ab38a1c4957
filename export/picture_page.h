// SPDX-License-Identifier: MIT
// The picture on paper: the vector drawing, centred and as large as fits,
// with one caption line under it. The page is white, so the black square
// becomes white and its white border black; the curve stays blue and the
// wires grey. Lines are 1 picture unit wide, scaled with the drawing.
//
// The caption needs fonts, so a QGuiApplication must exist (the offscreen
// platform serves where there is no display).
#pragma once

#include <vector>

#include <QByteArray>
#include <QRectF>
#include <QString>

#include "render/picture_paths.h"

class QPainter;

// Paints the drawing of `paths` and `caption` within `area`, in the painter's
// device coordinates. The printer and the PDF writer both paint through it.
void PaintPicturePage(QPainter& painter, const QRectF& area, const std::vector<PicturePath>& paths,
                      const QString& caption);

// Drawings side by side, as the window shows them: each a 500-unit square,
// kFlatPictureGap units apart, the row as large as fits over the caption.
using PictureRow = std::vector<std::vector<PicturePath>>;
void PaintPicturePage(QPainter& painter, const QRectF& area, const PictureRow& drawings,
                      const QString& caption);

// The same for what the view shows, captioned with its figure and angle.
void PaintPicturePage(QPainter& painter, const QRectF& area, const ViewState& view);

// One A4 page of what the view shows, as PDF; empty if it could not be made.
QByteArray PicturePdf(const ViewState& view);

// One A4 page of these drawings with this caption, as PDF.
QByteArray PicturePdf(const PictureRow& drawings, const QString& caption);
