#include "ui/picture_area.h"

#include <utility>

#include <QPainter>

PictureArea::PictureArea(QWidget* parent) : QWidget(parent)
{
    setFixedSize(kPictureSize, kPictureSize);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAccessibleName(QStringLiteral("Imagen de la figura"));
}

void PictureArea::ShowCanvas(Canvas&& canvas)
{
    m_canvas = std::make_unique<Canvas>(std::move(canvas));
    repaint();
}

// The canvas's pixels are already RGB32; the image only views them.
QImage PictureArea::Picture() const
{
    if (!m_canvas)
        return QImage();
    return QImage(reinterpret_cast<const uchar*>(m_canvas->Bits()), kPictureSize, kPictureSize,
                  m_canvas->Width() * int(sizeof(uint32_t)), QImage::Format_RGB32);
}

void PictureArea::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (!m_canvas) {
        // Before the first redraw the area shows the dialog's background.
        painter.fillRect(rect(), palette().window());
        return;
    }
    // One image pixel per device-independent pixel, never smoothed: on a
    // high-density screen the lines stay sharp.
    painter.drawImage(QPoint(0, 0), Picture());
}
