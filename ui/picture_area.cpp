// SPDX-License-Identifier: MIT
#include "ui/picture_area.h"

#include <QCoreApplication>
#include <QPainter>

#include "export/angle_mark_text.h"
#include "export/canvas_image.h"
#include "render/draw_figure.h"
#include "render/tracers.h"
#include "ui/device_ratio.h"

PictureArea::PictureArea(QWidget* parent) : QWidget(parent)
{
    resize(kPictureSize, kPictureSize);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_OpaquePaintEvent);
    // The dialog names the figure shown; until then, what the area is.
    setAccessibleName(QCoreApplication::translate("PictureArea", "Imagen de la figura"));
}

double PictureArea::Scale() const
{
    return DrawableScale(width() * DeviceRatioOf(*this) / kPictureSize);
}

void PictureArea::DrawFigure(const ViewState& view, const PointControls* point)
{
    const double scale = Scale();
    const int side = PictureSide(scale);
    // The same canvas serves every redraw of one size, and then costs only
    // what the last redraw drew on it.
    if (!m_canvas || m_canvas->Width() != side)
        m_canvas = std::make_unique<KeptCanvas>(Canvas::ForPicture(side));
    const PictureMapping mapping{scale, m_lines};
    m_drawnScale = scale;
    ComposeFigure(*m_canvas, m_figures, view, mapping);
    const std::optional<double> shown = point ? point->Shown() : std::nullopt;
    m_mark = PictureMark{};
    if (shown) {
        const SpaceMark mark = MarkInSpace(point->Curve(), *shown);
        m_mark = ProjectMark(mark, view);
        m_mark.hidden = MarkPointHidden(
            mark, view, m_figures.Model(view.curveKind, view.angleDeg, BuilderOf(view.curveKind)));
    }
    DrawAngleMark(*m_canvas, m_mark, mapping);
    update();
}

QRect PictureArea::ShownPixels() const
{
    if (!m_canvas)
        return QRect();
    // The window clips the area where it is smaller than its minimum size,
    // which is possible where no window manager holds it to that size.
    const QRect inWindow = rect() & QRect(mapFrom(window(), QPoint(0, 0)), window()->size());
    const double ratio = DeviceRatioOf(*this);
    const QRect device(
        int(std::lround(inWindow.x() * ratio)), int(std::lround(inWindow.y() * ratio)),
        int(std::lround(inWindow.width() * ratio)), int(std::lround(inWindow.height() * ratio)));
    return device & QRect(0, 0, m_canvas->Width(), m_canvas->Width());
}

QImage PictureArea::Picture() const
{
    if (!m_canvas)
        return QImage();
    // QImage::copy of an empty rectangle would copy the whole image.
    const QRect shown = ShownPixels();
    if (shown.isEmpty())
        return QImage();
    if (m_mark.shown)
        return WithAngleText(CanvasPictureView(*m_canvas), m_mark, m_drawnScale).copy(shown);
    return CanvasPictureView(*m_canvas).copy(shown);
}

void PictureArea::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (!m_canvas) {
        // Before the first redraw the area shows the dialog's background.
        painter.fillRect(rect(), palette().window());
        return;
    }
    // One canvas pixel per device pixel: the image claims the screen's ratio,
    // so the painter neither enlarges nor smooths it.
    const QRect shown = ShownPixels();
    if (shown.isEmpty())
        return;
    QImage picture = CanvasPictureView(*m_canvas);
    picture.setDevicePixelRatio(DeviceRatioOf(*this));
    painter.drawImage(QPointF(shown.topLeft()) / picture.devicePixelRatio(), picture, shown);
    if (m_mark.shown) {
        // The text in device pixels of the canvas, over the composed picture.
        painter.scale(1.0 / picture.devicePixelRatio(), 1.0 / picture.devicePixelRatio());
        PaintAngleText(painter, m_mark, m_drawnScale);
    }
}
