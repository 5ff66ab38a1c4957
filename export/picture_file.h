// SPDX-License-Identifier: MIT
// The picture as a file and on the clipboard. A PNG holds the picture as the
// window shows it, pixel for pixel at the screen's resolution; an SVG holds
// the drawing as vectors (export/picture_svg.h).
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

class QMimeData;

// The shown picture as PNG bytes; empty if it cannot be encoded.
QByteArray PicturePng(const QImage& shown);

// Saves the picture to `path` in the format its extension names (.png or
// .svg, in any case): the shown picture, or `svg`. The file is written aside
// and put in place only once complete, so a failure leaves no partial file
// and an earlier file at `path` as it was. Returns why it failed, in the
// user's language, or an empty string once saved.
QString SavePictureFile(const QString& path, const QImage& shown, const QByteArray& svg);

// Writes `bytes` to `path` as a save does: aside first and into place once
// complete, only over a regular file, in a folder that exists. Returns why
// it failed, in the user's language, or an empty string once written.
QString WritePictureFile(const QString& path, const QByteArray& bytes);

// Clipboard data holding the shown picture, as an image and as image/png,
// and the drawing as image/svg+xml. The caller owns it.
QMimeData* PictureMimeData(const QImage& shown, const QByteArray& svg);
