// SPDX-License-Identifier: MIT
#include "export/picture_svg.h"

#include <charconv>
#include <cmath>
#include <cstdint>

#include <QString>
#include <QXmlStreamWriter>

#include "export/angle_mark_svg.h"
#include "export/figure_titles.h"
#include "geometry/picture.h"
#include "geometry/view_state.h"
#include "render/draw_figure.h"

namespace {

// The document is written as bytes, element by element: a figure has
// thousands of points, and a general XML writer that escapes its attributes
// a character at a time costs many times what the numbers do. Only the
// title is text from outside; the rest is digits and fixed names.

// Six decimals keep the unrounded coordinates far finer than a pixel, and
// a path never holds a coordinate beyond 2^24 + 250, so none needs an
// exponent. They are written as QString::number(value, 'f', 6) writes them,
// the exact value rounded to the nearest millionth, halfway away from zero,
// but without a string made for each: a figure has thousands of them.
//
// The magnitude's whole part is exact, and so is its fraction f; f · 10^6
// is the rounded product p plus the exact error e that fma gives. p − ⌊p⌋
// is a multiple of p's last place, which is at least twice |e|, so it
// decides the rounding alone unless it is exactly one half, where the sign
// of e does.
void AppendCoordinate(QByteArray& out, double value)
{
    char text[400];
    const double magnitude = std::abs(value);
    if (!(magnitude < 0x1p52)) { // whole numbers all, or not a number at all
        out.append(text,
                   std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, 6).ptr -
                       text);
        return;
    }
    double whole = std::trunc(magnitude);
    const double fraction = magnitude - whole;
    const double product = fraction * 1e6;
    const double error = std::fma(fraction, 1e6, -product);
    double millionths = std::floor(product);
    const double rest = product - millionths;
    if (rest > 0.5 || (rest == 0.5 && error >= 0.0))
        millionths += 1.0;
    if (millionths >= 1e6) {
        millionths -= 1e6;
        whole += 1.0;
    }
    char* end = text;
    if (value < 0.0) // as Qt writes it, -0 has no sign but -1e-9 has
        *end++ = '-';
    end = std::to_chars(end, text + sizeof text, static_cast<int64_t>(whole)).ptr;
    *end++ = '.';
    const auto digits = static_cast<int32_t>(millionths);
    for (int32_t place = 100000; place > 0; place /= 10)
        *end++ = char('0' + digits / place % 10);
    out.append(text, end - text);
}

void AppendPoints(QByteArray& out, const std::vector<PicturePoint>& points)
{
    for (size_t i = 0; i < points.size(); ++i) {
        if (i > 0)
            out += ' ';
        AppendCoordinate(out, points[i].x);
        out += ',';
        AppendCoordinate(out, points[i].y);
    }
}

QByteArray Stroke(uint32_t colour)
{
    return " fill=\"none\" stroke=\"" + SvgColour(colour).toLatin1() +
           "\" stroke-width=\"1\" vector-effect=\"non-scaling-stroke\"";
}

QByteArray DashArray(const PicturePath& path)
{
    return path.dashed ? " stroke-dasharray=\"" + SvgDashArray().toLatin1() + "\"" : QByteArray();
}

// The black square, and its white border: a 1-unit stroke lies half each
// side of its line, so centred half a unit inside the edges it covers
// exactly the outer columns and rows.
QByteArray Square()
{
    const QByteArray side = QByteArray::number(kPictureSize);
    const QByteArray inner = QByteArray::number(kPictureSize - 1);
    return "    <rect width=\"" + side + "\" height=\"" + side + "\" fill=\"" +
           SvgColour(kOpaqueBlack).toLatin1() + "\"/>\n" +
           "    <rect x=\"0.5\" y=\"0.5\" width=\"" + inner + "\" height=\"" + inner + "\"" +
           Stroke(kBorderPen.colour) + "/>\n";
}

} // namespace

QString SvgDashArray()
{
    const DashPattern dashes = DashPatternAt(1.0);
    return QStringLiteral("%1 %2").arg(dashes.on).arg(dashes.off);
}

QString SvgColour(uint32_t colour)
{
    return QStringLiteral("rgb(%1,%2,%3)")
        .arg((colour >> 16) & 0xFF)
        .arg((colour >> 8) & 0xFF)
        .arg(colour & 0xFF);
}

QByteArray PictureSvg(const std::vector<PicturePath>& paths, const QString& title,
                      const QByteArray& overlay)
{
    const QByteArray side = QByteArray::number(kPictureSize);
    QByteArray svg = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                     "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"" +
                     side + "\" height=\"" + side + "\" viewBox=\"0 0 " + side + " " + side +
                     "\">\n";
    if (!title.isEmpty())
        svg += "    <title>" + title.toHtmlEscaped().toUtf8() + "</title>\n";
    svg += Square();
    // Room for the points, so that the document is not copied as it grows:
    // "250.000000,250.000000 " and each polyline's own text.
    qsizetype room = svg.size() + 16;
    for (const PicturePath& path : paths)
        room += qsizetype(path.points.size()) * 24 + 160;
    svg.reserve(room);
    for (const PicturePath& path : paths) {
        svg += "    <polyline";
        if (path.part)
            svg += QByteArray(" class=\"") + path.part + "\"";
        svg += " points=\"";
        AppendPoints(svg, path.points);
        svg += "\"" + Stroke(path.pen.colour) + DashArray(path) + "/>\n";
    }
    svg += overlay;
    svg += "</svg>\n";
    return svg;
}

QByteArray PictureSvg(const ViewState& view, std::optional<double> point)
{
    const QString caption = PictureCaption(view.curveKind, view.angleDeg);
    if (!point)
        return PictureSvg(PicturePaths(view), caption);
    return PictureSvg(PicturePaths(view), caption, AngleMarkElement(FigureAngleMark(view, *point)));
}

// The same parts through a general XML writer, for documents that hold more
// than one picture; the numbers are written as in the single picture.

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
    xml.writeEmptyElement("rect");
    xml.writeAttribute("x", "0.5");
    xml.writeAttribute("y", "0.5");
    xml.writeAttribute("width", QString::number(kPictureSize - 1));
    xml.writeAttribute("height", QString::number(kPictureSize - 1));
    WriteSvgStroke(xml, kBorderPen.colour);
}

void WriteSvgPaths(QXmlStreamWriter& xml, const std::vector<PicturePath>& paths)
{
    for (const PicturePath& path : paths) {
        QByteArray points;
        AppendPoints(points, path.points);
        xml.writeEmptyElement("polyline");
        if (path.part)
            xml.writeAttribute("class", QString::fromLatin1(path.part));
        xml.writeAttribute("points", QString::fromLatin1(points));
        WriteSvgStroke(xml, path.pen.colour);
        if (path.dashed)
            xml.writeAttribute("stroke-dasharray", SvgDashArray());
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
