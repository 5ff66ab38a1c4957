// SPDX-License-Identifier: MIT
#include "export/angle_mark_text.h"

#include <algorithm>
#include <cmath>

#include <QCoreApplication>
#include <QFont>
#include <QLocale>
#include <QPainter>
#include <QPainterPath>

QString MeasuredAngleText(double angleDeg)
{
    //: The angle the mark measures: the number, then the angle label's degree sign.
    return QCoreApplication::translate("AngleMark", "%1º")
        .arg(QLocale().toString(angleDeg, 'f', 1));
}

void PaintAngleText(QPainter& painter, const PictureMark& mark, double scale)
{
    if (!mark.shown || !mark.hasAngle)
        return;
    const PicturePoint anchor = LabelAnchor(mark);
    if (!std::isfinite(anchor.x) || !std::isfinite(anchor.y))
        return;
    QFont font = painter.font();
    font.setPixelSize(std::max(1, int(std::lround(kAngleTextPixels * scale))));
    QPainterPath text;
    text.addText(0.0, 0.0, font, MeasuredAngleText(mark.angleDeg));
    const QRectF box = text.boundingRect();
    text.translate(scale * anchor.x - box.center().x(), scale * anchor.y - box.center().y());
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    // The halo first, a dark stroke round every glyph, then the glyphs.
    QPen halo(Qt::black, 3.0 * scale);
    halo.setJoinStyle(Qt::RoundJoin);
    painter.strokePath(text, halo);
    painter.fillPath(text, QColor::fromRgb(kMarkPen.colour));
    painter.restore();
}

std::vector<PicturePath> AngleMarkDrawing(const PictureMark& mark)
{
    std::vector<PicturePath> paths = AngleMarkPaths(mark);
    if (mark.shown && mark.hasAngle)
        paths.push_back({kMarkPen,
                         {LabelAnchor(mark)},
                         false,
                         nullptr,
                         MeasuredAngleText(mark.angleDeg).toStdString()});
    return paths;
}

QImage WithAngleText(const QImage& picture, const PictureMark& mark, double scale)
{
    QImage copy = picture.copy();
    if (copy.isNull())
        return copy;
    QPainter painter(&copy);
    PaintAngleText(painter, mark, scale);
    return copy;
}
