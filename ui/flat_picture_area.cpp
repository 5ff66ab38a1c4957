// SPDX-License-Identifier: MIT
#include "ui/flat_picture_area.h"

#include <QPainter>

#include "export/canvas_image.h"
#include "ui/device_ratio.h"

FlatPictureArea::FlatPictureArea(QWidget* parent) : QWidget(parent)
{
    resize(kPictureSize, kPictureSize);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

double FlatPictureArea::Scale() const
{
    return DrawableScale(width() * DeviceRatioOf(*this) / kPictureSize);
}

void FlatPictureArea::Show(const ViewState& view)
{
    if (m_kept.Show(view.curveKind, view.angleDeg, PictureMapping{Scale(), m_lines}))
        update();
}

QImage FlatPictureArea::Picture() const
{
    const Canvas* canvas = m_kept.Picture();
    return canvas ? CanvasPictureCopy(*canvas) : QImage();
}

void FlatPictureArea::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const Canvas* canvas = m_kept.Picture();
    if (!canvas) {
        painter.fillRect(rect(), palette().window());
        return;
    }
    QImage picture = CanvasPictureView(*canvas);
    picture.setDevicePixelRatio(DeviceRatioOf(*this));
    painter.drawImage(QPoint(0, 0), picture);
}
