// SPDX-License-Identifier: MIT
#include "export/picture_svg.h"

#include <QString>
#include <QXmlStreamWriter>

#include "export/figure_titles.h"
#include "geometry/picture.h"
#include "geometry/view_state.h"
#include "render/draw_figure.h"

namespace {

// Six decimals keep the unrounded coordinates far finer than a pixel, and
// a path never holds a coordinate beyond 2^24 + 250, so none needs an exponent.
QString Coordinate(double value) { return QString::number(value, 'f', 6); }

QString PointsOf(const std::vector<PicturePoint>& points)
{
    QString text;
    text.reserve(int(points.size()) * 24);
    for (const PicturePoint& p : points) {
        if (!text.isEmpty())
            text += QLatin1Char(' ');
        text += Coordinate(p.x) + QLatin1Char(',') + Coordinate(p.y);
    }
    return text;
}

} // namespace

void WriteSvgStroke(QXmlStreamWriter& xml, uint32_t colour)
{
    xml.writeAttribute("fill", "none");
    xml.writeAttribute("stroke", SvgColour(colour));
    xml.writeAttribute("stroke-width", "1");
    xml.writeAttribute("vector-effect", "non-scaling-stroke");
}

void WriteSvgSquare(QXmlStreamWriter& xml)
{
    xml.writeEmptyElement("rect");
    xml.writeAttribute("width", QString::number(kPictureSize));
    xml.writeAttribute("height", QString::number(kPictureSize));
    xml.writeAttribute("fill", SvgColour(kOpaqueBlack));
    // A 1-unit stroke lies half each side of its line: centred half a unit
    // inside the edges, it covers exactly the outer columns and rows.
    xml.writeEmptyElement("rect");
    xml.writeAttribute("x", "0.5");
    xml.writeAttribute("y", "0.5");
    xml.writeAttribute("width", QString::number(kPictureSize - 1));
    xml.writeAttribute("height", QString::number(kPictureSize - 1));
    WriteSvgStroke(xml, kBorderPen.colour);
}

QString SvgColour(uint32_t colour)
{
    return QStringLiteral("rgb(%1,%2,%3)")
        .arg((colour >> 16) & 0xFF)
        .arg((colour >> 8) & 0xFF)
        .arg(colour & 0xFF);
}

void WriteSvgPaths(QXmlStreamWriter& xml, const std::vector<PicturePath>& paths)
{
    for (const PicturePath& path : paths) {
        xml.writeEmptyElement("polyline");
        xml.writeAttribute("points", PointsOf(path.points));
        WriteSvgStroke(xml, path.pen.colour);
    }
}

void StartSvgDocument(QXmlStreamWriter& xml, int width, const QString& title)
{
    xml.setAutoFormatting(true);
    xml.writeStartDocument();
    xml.writeStartElement("svg");
    xml.writeDefaultNamespace("http://www.w3.org/2000/svg");
    xml.writeAttribute("version", "1.1");
    const QString across = QString::number(width);
    const QString down = QString::number(kPictureSize);
    xml.writeAttribute("width", across);
    xml.writeAttribute("height", down);
    xml.writeAttribute("viewBox", QStringLiteral("0 0 %1 %2").arg(across, down));
    if (!title.isEmpty())
        xml.writeTextElement("title", title);
}

QByteArray PictureSvg(const std::vector<PicturePath>& paths, const QString& title)
{
    QByteArray document;
    QXmlStreamWriter xml(&document);
    StartSvgDocument(xml, kPictureSize, title);
    WriteSvgSquare(xml);
    WriteSvgPaths(xml, paths);
    xml.writeEndElement();
    xml.writeEndDocument();
    return document;
}

QByteArray PictureSvg(const ViewState& view)
{
    return PictureSvg(PicturePaths(view), PictureCaption(view.curveKind, view.angleDeg));
}
