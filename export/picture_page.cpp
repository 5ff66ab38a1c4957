// SPDX-License-Identifier: MIT
#include "export/picture_page.h"

#include <algorithm>

#include <QBuffer>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPolygonF>

#include "controls/picture_layout.h"
#include "export/figure_titles.h"
#include "geometry/picture.h"
#include "geometry/view_state.h"
#include "render/angle_mark.h"
#include "render/draw_figure.h"

namespace {

constexpr double kPictureSide = kPictureSize;
constexpr double kCaptionPoints = 11.0;
constexpr int kPageTextPixels = 13;

// On white paper the picture's black and white trade places; the figure's
// own colours stay.
QColor PaperColour(uint32_t colour)
{
    if (colour == kBorderPen.colour)
        return Qt::black;
    if (colour == kMarkPen.colour) // yellow fades on white: a dark amber
        return QColor(0xB0, 0x70, 0x00);
    return QColor::fromRgb(colour);
}

QPen PaperPen(uint32_t colour)
{
    QPen pen(PaperColour(colour), 1.0);
    pen.setJoinStyle(Qt::RoundJoin);
    pen.setCapStyle(Qt::RoundCap);
    return pen;
}

// A text path: its text centred on its point, kPageTextPixels picture units
// high, in its pen's paper colour.
void PaintPageText(QPainter& painter, const PicturePath& path)
{
    painter.save();
    QFont font = painter.font();
    font.setPixelSize(kPageTextPixels);
    painter.setFont(font);
    painter.setPen(PaperColour(path.pen.colour));
    const QPointF centre(path.points[0].x, path.points[0].y);
    const QRectF box(centre - QPointF(100, 20), QSizeF(200, 40));
    painter.drawText(box, Qt::AlignCenter, QString::fromStdString(path.text));
    painter.restore();
}

// Draws in picture units: the square spans (0, 0) to (500, 500).
void PaintDrawing(QPainter& painter, const std::vector<PicturePath>& paths)
{
    const QRectF square(0.0, 0.0, kPictureSide, kPictureSide);
    painter.fillRect(square, Qt::white);
    painter.setClipRect(square); // the picture shows nothing outside its square
    painter.setBrush(Qt::NoBrush);
    painter.setPen(PaperPen(kBorderPen.colour));
    painter.drawRect(QRectF(0.5, 0.5, kPictureSide - 1.0, kPictureSide - 1.0));
    for (const PicturePath& path : paths) {
        if (!path.text.empty()) {
            PaintPageText(painter, path);
            continue;
        }
        QPolygonF polyline;
        polyline.reserve(qsizetype(path.points.size()));
        for (const PicturePoint& p : path.points)
            polyline << QPointF(p.x, p.y);
        QPen pen = PaperPen(path.pen.colour);
        if (path.dashed) { // a hidden part: the screen's dashes, in pen widths
            const DashPattern dashes = DashPatternAt(1.0);
            pen.setCapStyle(Qt::FlatCap);
            pen.setDashPattern({qreal(dashes.on), qreal(dashes.off)});
        }
        painter.setPen(pen);
        painter.drawPolyline(polyline);
    }
}

} // namespace

void PaintPicturePage(QPainter& painter, const QRectF& area, const std::vector<PicturePath>& paths,
                      const QString& caption)
{
    PaintPicturePage(painter, area, PictureRow{paths}, caption);
}

void PaintPicturePage(QPainter& painter, const QRectF& area, const PictureRow& drawings,
                      const QString& caption)
{
    painter.save();
    QFont font = painter.font();
    font.setPointSizeF(kCaptionPoints);
    painter.setFont(font);
    const QFontMetricsF metrics(font, painter.device());
    const double captionHeight = caption.isEmpty() ? 0.0 : metrics.height();
    const double gap = captionHeight;

    // The row's width in picture sides: 1 for one drawing.
    const double count = double(std::max<size_t>(1, drawings.size()));
    const double across = count + (count - 1.0) * kFlatPictureGap / kPictureSide;
    const double side =
        std::max(0.0, std::min(area.width() / across, area.height() - captionHeight - gap));
    const double top = area.top() + (area.height() - side - gap - captionHeight) / 2.0;
    const double left = area.left() + (area.width() - side * across) / 2.0;

    for (size_t i = 0; i < drawings.size(); ++i) {
        painter.save();
        painter.setRenderHint(QPainter::Antialiasing);
        painter.translate(left + double(i) * side * (kPictureSide + kFlatPictureGap) / kPictureSide,
                          top);
        painter.scale(side / kPictureSide, side / kPictureSide);
        PaintDrawing(painter, drawings[i]);
        painter.restore();
    }

    if (!caption.isEmpty()) {
        const QRectF line(area.left(), top + side + gap, area.width(), captionHeight);
        painter.setPen(Qt::black);
        painter.drawText(line, Qt::AlignHCenter | Qt::AlignTop,
                         metrics.elidedText(caption, Qt::ElideRight, area.width()));
    }
    painter.restore();
}

void PaintPicturePage(QPainter& painter, const QRectF& area, const ViewState& view)
{
    PaintPicturePage(painter, area, PicturePaths(view),
                     PictureCaption(view.curveKind, view.angleDeg));
}

QByteArray PicturePdf(const std::vector<PicturePath>& paths, const QString& caption,
                      const PdfPage& page)
{
    return PicturePdf(PictureRow{paths}, caption, page);
}

QByteArray PicturePdf(const PictureRow& drawings, const QString& caption, const PdfPage& page)
{
    QByteArray pdf;
    QBuffer buffer(&pdf);
    if (!buffer.open(QIODevice::WriteOnly))
        return QByteArray();
    {
        QPdfWriter writer(&buffer);
        writer.setCreator(QStringLiteral("Torsiva"));
        writer.setTitle(page.title.isEmpty() ? caption : page.title);
        writer.setResolution(page.resolution);
        writer.setPageLayout(page.layout);
        QPainter painter;
        if (!painter.begin(&writer))
            return QByteArray();
        const QRect paintable = writer.pageLayout().paintRectPixels(writer.resolution());
        PaintPicturePage(painter, QRectF(QPointF(0, 0), paintable.size()), drawings, caption);
        if (!painter.end())
            return QByteArray();
    }
    return pdf;
}

QByteArray PicturePdf(const ViewState& view)
{
    PdfPage page;
    page.title = PictureCaption(view.curveKind, view.angleDeg);
    return PicturePdf(PicturePaths(view), page.title, page);
}
