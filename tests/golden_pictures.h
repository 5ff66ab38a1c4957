// SPDX-License-Identifier: MIT
// The committed golden pictures, tests/golden/NAME.png, and how a test holds
// a picture against one: as RGB32 images compared whole, with the count of
// differing pixels to say how far apart they are.
#pragma once

#include <algorithm>

#include <QImage>
#include <QString>

#include "export/canvas_image.h"
#include "render/draw_figure.h"

inline QImage Golden(const QString& name)
{
    return QImage(QStringLiteral(TORSIVA_GOLDEN_DIR "/%1.png").arg(name))
        .convertToFormat(QImage::Format_RGB32);
}

// The pixels at which two images of one size differ; every pixel of the
// larger one when the sizes differ.
inline int DifferingPixels(const QImage& a, const QImage& b)
{
    if (a.size() != b.size())
        return std::max(a.width() * a.height(), b.width() * b.height());
    const QImage left = a.convertToFormat(QImage::Format_RGB32);
    const QImage right = b.convertToFormat(QImage::Format_RGB32);
    int count = 0;
    for (int y = 0; y < left.height(); ++y)
        for (int x = 0; x < left.width(); ++x)
            count += left.pixel(x, y) != right.pixel(x, y);
    return count;
}

// The picture of a view as a fresh redraw of it composes it, at scale 1.
inline QImage ComposedPicture(const ViewState& view)
{
    Canvas canvas = Canvas::ForPicture(kPictureSize);
    FigureCache figures;
    ComposeFigure(canvas, figures, view);
    return CanvasPictureCopy(canvas);
}
