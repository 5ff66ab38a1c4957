// SPDX-License-Identifier: MIT
#include "export/angle_mark_svg.h"

#include <cmath>

#include <QXmlStreamWriter>

#include "export/angle_mark_text.h"
#include "export/picture_svg.h"

namespace {

// How a mark's units are written: the figure's picture units or the flat
// picture's development units.
struct Units {
    int decimals;
    double stroke; // one picture unit
    double perPicturePixel;
};

bool Writable(double x, double y)
{
    return std::isfinite(x) && std::isfinite(y) && std::fabs(x) <= kPathReach &&
           std::fabs(y) <= kPathReach;
}

// A hidden mark's parts are dashed as the hidden curve is, in picture units.
template <class Point>
void WritePart(QXmlStreamWriter& xml, const char* name, const std::vector<Point>& part,
               const Units& units, bool dashed)
{
    QString points;
    int count = 0;
    auto flush = [&] {
        if (count >= 2) {
            xml.writeEmptyElement("polyline");
            xml.writeAttribute("class", name);
            xml.writeAttribute("points", points);
            if (dashed)
                xml.writeAttribute("stroke-dasharray", SvgDashArray());
        }
        points.clear();
        count = 0;
    };
    for (const Point& p : part) {
        if (!Writable(p.x, p.y)) {
            flush();
            continue;
        }
        if (count > 0)
            points += QLatin1Char(' ');
        points += QString::number(p.x, 'f', units.decimals) + QLatin1Char(',') +
                  QString::number(p.y, 'f', units.decimals);
        ++count;
    }
    flush();
}

template <class Point>
void WriteMark(QXmlStreamWriter& xml, const MarkParts<Point>& mark, const Units& units,
               PicturePoint label, const QString& textTransform)
{
    if (!mark.shown || !Writable(mark.point.x, mark.point.y))
        return;
    xml.writeStartElement("g");
    xml.writeAttribute("class", "angle-mark");
    xml.writeAttribute("fill", "none");
    xml.writeAttribute("stroke", SvgColour(kMarkPen.colour));
    xml.writeAttribute("stroke-width", QString::number(units.stroke, 'g', 17));
    WritePart(xml, "generatrix", mark.generatrix, units, mark.hidden);
    WritePart(xml, "tangent", mark.tangent, units, mark.hidden);
    WritePart(xml, "arc", mark.arc, units, mark.hidden);
    xml.writeEmptyElement("circle");
    xml.writeAttribute("class", "point");
    xml.writeAttribute("cx", QString::number(mark.point.x, 'f', units.decimals));
    xml.writeAttribute("cy", QString::number(mark.point.y, 'f', units.decimals));
    xml.writeAttribute("r", QString::number(kMarkDotRadius * units.perPicturePixel, 'g', 17));
    xml.writeAttribute("fill", SvgColour(kMarkPen.colour));
    if (mark.hasAngle && Writable(label.x, label.y)) {
        xml.writeStartElement("text");
        xml.writeAttribute("x", QString::number(label.x, 'f', units.decimals));
        xml.writeAttribute("y", QString::number(label.y, 'f', units.decimals));
        if (!textTransform.isEmpty())
            xml.writeAttribute("transform", textTransform);
        xml.writeAttribute("font-family", "sans-serif");
        xml.writeAttribute("font-size", QString::number(kAngleTextPixels));
        xml.writeAttribute("text-anchor", "middle");
        xml.writeAttribute("dominant-baseline", "central");
        xml.writeAttribute("fill", SvgColour(kMarkPen.colour));
        // The dark halo under the glyphs.
        xml.writeAttribute("stroke", SvgColour(kOpaqueBlack));
        xml.writeAttribute("stroke-width", "3");
        xml.writeAttribute("paint-order", "stroke");
        xml.writeCharacters(MeasuredAngleText(mark.angleDeg));
        xml.writeEndElement();
    }
    xml.writeEndElement();
}

} // namespace

void WriteAngleMark(QXmlStreamWriter& xml, const PictureMark& mark)
{
    WriteMark(xml, mark, Units{6, 1.0, 1.0}, LabelAnchor(mark), QString());
}

// The text is placed by its own transform: at the anchor in development
// units, then scaled by 1/k and flipped back, so that the group's matrix
// leaves it upright and kAngleTextPixels picture pixels high.
void WriteFlatAngleMark(QXmlStreamWriter& xml, const FlatMark& mark, const FlatFit& fit)
{
    const PicturePoint anchor = LabelAnchor(FitMark(mark, fit));
    const FlatPoint label{(anchor.x - fit.e) / fit.k, (fit.f - anchor.y) / fit.k};
    const QString inverse = QString::number(1.0 / fit.k, 'g', 17);
    const QString transform =
        QStringLiteral("matrix(%1 0 0 -%1 %2 %3)")
            .arg(inverse, QString::number(label.x, 'f', 9), QString::number(label.y, 'f', 9));
    // With the transform in place the text itself sits at its origin.
    WriteMark(xml, mark, Units{9, 1.0 / fit.k, 1.0 / fit.k}, PicturePoint{0.0, 0.0}, transform);
}

QByteArray AngleMarkElement(const PictureMark& mark)
{
    QByteArray element;
    QXmlStreamWriter xml(&element);
    xml.setAutoFormatting(true);
    WriteAngleMark(xml, mark);
    if (!element.isEmpty())
        element += '\n';
    return element;
}
