// SPDX-License-Identifier: MIT
// The measured angle's text beside the mark: "60,0º" in Spanish, "60.0°" in
// English, drawn with the toolkit's text rendering in the mark's colour over
// a dark halo, so that it reads on any line. Everything else of the mark is
// the canvas's own drawing (render/angle_mark.h).
//
// Drawing text needs fonts, so a QGuiApplication must exist.
#pragma once

#include <vector>

#include <QImage>
#include <QPointF>
#include <QString>

#include "render/angle_mark.h"

class QPainter;

// The angle with one decimal in the default QLocale, which the program sets
// to the language it speaks, and the angle label's degree sign.
QString MeasuredAngleText(double angleDeg);

// Paints the mark's text, if it measures an angle, centred on its label
// anchor, on a painter whose units are device pixels of a picture drawn at
// `scale`.
void PaintAngleText(QPainter& painter, const PictureMark& mark, double scale);

// The mark's lines and its text as picture paths, for the printed page.
std::vector<PicturePath> AngleMarkDrawing(const PictureMark& mark);

// A copy of `picture` with the mark's text painted over it.
QImage WithAngleText(const QImage& picture, const PictureMark& mark, double scale);
