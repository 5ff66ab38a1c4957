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
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
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

// How a PDF page is laid out and titled: A4 upright with 15 mm margins at
// 1200 dots per inch unless a printer's choices say otherwise.
struct PdfPage {
    QPageLayout layout{QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(15, 15, 15, 15),
                       QPageLayout::Millimeter};
    int resolution = 1200;
    QString title;
};

// One page of `paths` and `caption` as PDF; empty if it could not be made.
QByteArray PicturePdf(const std::vector<PicturePath>& paths, const QString& caption,
                      const PdfPage& page);

// One A4 page of what the view shows, as PDF; empty if it could not be made.
QByteArray PicturePdf(const ViewState& view);

// One page of these drawings side by side with this caption, as PDF; empty
// if it could not be made.
QByteArray PicturePdf(const PictureRow& drawings, const QString& caption,
                      const PdfPage& page = PdfPage{});
