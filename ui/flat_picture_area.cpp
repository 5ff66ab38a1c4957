// SPDX-License-Identifier: MIT
#include "ui/flat_picture_area.h"

#include <QPainter>

#include "export/angle_mark_text.h"
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

void FlatPictureArea::Show(const ViewState& view, const PointControls* point)
{
    const PictureMapping mapping{Scale(), m_lines};
    const std::optional<double> shown = point ? point->Shown() : std::nullopt;
    if (m_kept.Show(view.curveKind, view.angleDeg, mapping, point ? &point->Curve() : nullptr,
                    shown)) {
        m_drawnScale = mapping.scale;
        update();
    }
}

QImage FlatPictureArea::Picture() const
{
    const Canvas* canvas = m_kept.Picture();
    if (!canvas)
        return QImage();
    if (Mark().shown)
        return WithAngleText(CanvasPictureView(*canvas), Mark(), m_drawnScale);
    return CanvasPictureCopy(*canvas);
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
    if (Mark().shown) {
        painter.scale(1.0 / picture.devicePixelRatio(), 1.0 / picture.devicePixelRatio());
        PaintAngleText(painter, Mark(), m_drawnScale);
    }
}
