#include "ui/picture_area.h"

#include <cstring>

#include <QPainter>

#include "render/canvas.h"

PictureArea::PictureArea(QWidget* parent) : QWidget(parent)
{
    setFixedSize(kPictureSize, kPictureSize);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAccessibleName(QStringLiteral("Imagen de la figura"));
}

void PictureArea::ShowCanvas(const Canvas& canvas)
{
    if (m_picture.isNull())
        m_picture = QImage(kPictureSize, kPictureSize, QImage::Format_RGB32);
    const size_t rowBytes = size_t(kPictureSize) * sizeof(uint32_t);
    for (int y = 0; y < kPictureSize; ++y)
        std::memcpy(m_picture.scanLine(y), canvas.Bits() + size_t(y) * size_t(canvas.Width()),
                    rowBytes);
    repaint();
}

void PictureArea::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (m_picture.isNull()) {
        // Before the first redraw the area shows the dialog's background.
        painter.fillRect(rect(), palette().window());
        return;
    }
    // One image pixel per device-independent pixel, never smoothed: on a
    // high-density screen the lines stay sharp.
    painter.drawImage(QPoint(0, 0), m_picture);
}
