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
    if (!shown) {
        const bool hadMark = m_marked != nullptr;
        m_marked.reset();
        m_mark = {};
        if (m_kept.Show(view.curveKind, view.angleDeg, mapping) || hadMark)
            update();
        return;
    }
    const Drawn drawn{view.curveKind, view.angleDeg, mapping, *shown};
    const int side = PictureSide(mapping.scale);
    if (m_marked && m_marked->Width() == side && drawn.SameAs(m_drawn))
        return;
    if (!m_marked || m_marked->Width() != side)
        m_marked = std::make_unique<KeptCanvas>(Canvas::ForPicture(side));
    m_drawn = drawn;
    ComposeFlatPicture(*m_marked, m_cache, view.curveKind, view.angleDeg, mapping);
    m_mark = FitMark(MarkInPlane(point->Curve(), *shown), Fit(view));
    DrawAngleMark(*m_marked, m_mark, mapping);
    m_drawnScale = mapping.scale;
    update();
}

QImage FlatPictureArea::Picture() const
{
    const Canvas* canvas = Shown();
    if (!canvas)
        return QImage();
    if (m_mark.shown)
        return WithAngleText(CanvasPictureView(*canvas), m_mark, m_drawnScale);
    return CanvasPictureCopy(*canvas);
}

void FlatPictureArea::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const Canvas* canvas = Shown();
    if (!canvas) {
        painter.fillRect(rect(), palette().window());
        return;
    }
    QImage picture = CanvasPictureView(*canvas);
    picture.setDevicePixelRatio(DeviceRatioOf(*this));
    painter.drawImage(QPoint(0, 0), picture);
    if (m_mark.shown) {
        painter.scale(1.0 / picture.devicePixelRatio(), 1.0 / picture.devicePixelRatio());
        PaintAngleText(painter, m_mark, m_drawnScale);
    }
}
