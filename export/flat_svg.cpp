// SPDX-License-Identifier: MIT
#include "export/flat_svg.h"

#include <QXmlStreamWriter>

#include "controls/picture_layout.h"
#include "export/angle_mark_svg.h"
#include "export/figure_titles.h"
#include "export/picture_svg.h"
#include "geometry/picture.h"

namespace {

QString Coordinate(double value) { return QString::number(value, 'f', 9); }

// The fit's numbers in full: a reader maps the pieces back by them.
QString Exact(double value) { return QString::number(value, 'g', 17); }

const char* ClassOf(FlatClass what)
{
    switch (what) {
    case FlatClass::Outline:
        return "outline";
    case FlatClass::Wire:
        return "wire";
    case FlatClass::Curve:
        break;
    }
    return "curve";
}

QString PointsOf(const FlatPaths& paths, const FlatPiece& piece)
{
    QString text;
    text.reserve(int(piece.count) * 30);
    for (uint32_t i = piece.first; i < piece.first + piece.count; ++i) {
        if (i != piece.first)
            text += QLatin1Char(' ');
        text += Coordinate(paths.x[i]) + QLatin1Char(',') + Coordinate(paths.y[i]);
    }
    return text;
}

// The square, then the pieces in development units through the fit, and
// the point's mark over them.
void WriteFlatPicture(QXmlStreamWriter& xml, const FlatFigure& flat, std::optional<double> point)
{
    WriteSvgSquare(xml);
    const FlatFit fit = flat.fit;
    xml.writeStartElement("g");
    xml.writeAttribute("id", "flat");
    xml.writeAttribute("transform",
                       QStringLiteral("matrix(%1 0 0 %2 %3 %4)")
                           .arg(Exact(fit.k), Exact(-fit.k), Exact(fit.e), Exact(fit.f)));
    // One picture unit, in the group's development units: written out rather
    // than as a stroke that does not scale, which not every renderer honours.
    const QString strokeWidth = Exact(1.0 / fit.k);
    for (const FlatPiece& piece : flat.paths.pieces) {
        xml.writeEmptyElement("polyline");
        xml.writeAttribute("class", ClassOf(piece.what));
        xml.writeAttribute("points", PointsOf(flat.paths, piece));
        xml.writeAttribute("fill", "none");
        xml.writeAttribute("stroke", SvgColour(FlatPen(piece.what).colour));
        xml.writeAttribute("stroke-width", strokeWidth);
    }
    if (point)
        WriteFlatAngleMark(xml, MarkInPlane(TraceOf(flat.figure, flat.angleDeg), *point), fit);
    xml.writeEndElement();
}

// A picture's own square in a wider document: a nested <svg>, which shows
// nothing outside it, so that lines beyond the figure's square stay off the
// flat picture.
void StartPicture(QXmlStreamWriter& xml, int x)
{
    xml.writeStartElement("svg");
    xml.writeAttribute("x", QString::number(x));
    xml.writeAttribute("y", "0");
    xml.writeAttribute("width", QString::number(kPictureSize));
    xml.writeAttribute("height", QString::number(kPictureSize));
    xml.writeAttribute("viewBox", QStringLiteral("0 0 %1 %1").arg(kPictureSize));
}

} // namespace

QByteArray FlatPictureSvg(const FlatFigure& flat, const QString& title, std::optional<double> point)
{
    QByteArray document;
    QXmlStreamWriter xml(&document);
    StartSvgDocument(xml, kPictureSize, title);
    WriteFlatPicture(xml, flat, point);
    xml.writeEndElement();
    xml.writeEndDocument();
    return document;
}

QByteArray FlatPictureSvg(CurveKind figure, int angleDeg, std::optional<double> point)
{
    return FlatPictureSvg(MakeFlatFigure(figure, angleDeg), FlatCaption(figure, angleDeg), point);
}

QByteArray SideBySideSvg(const ViewState& view, std::optional<double> point)
{
    QByteArray document;
    QXmlStreamWriter xml(&document);
    constexpr int kOffset = kPictureSize + kFlatPictureGap;
    StartSvgDocument(xml, kOffset + kPictureSize, PictureCaption(view.curveKind, view.angleDeg));
    StartPicture(xml, 0);
    WriteSvgSquare(xml);
    WriteSvgPaths(xml, PicturePaths(view));
    if (point)
        WriteAngleMark(xml, FigureAngleMark(view, *point));
    xml.writeEndElement();
    StartPicture(xml, kOffset);
    WriteFlatPicture(xml, MakeFlatFigure(view.curveKind, view.angleDeg), point);
    xml.writeEndElement();
    xml.writeEndElement();
    xml.writeEndDocument();
    return document;
}
