// SPDX-License-Identifier: MIT
#include "export/figure_titles.h"

#include <QCoreApplication>

#include "controls/angle_label.h"
#include "render/figure_names.h"

// The buttons, the label, the picture's accessible name and every export
// take their words from here, so a caption always says what the window says.
QString FigureTitle(CurveKind figure)
{
    switch (figure) {
    case CurveKind::Helix:
        return QCoreApplication::translate("FigureTitles", "Hélice");
    case CurveKind::ConicalHelix:
        return QCoreApplication::translate("FigureTitles", "Hélice cónica");
    case CurveKind::SphericalHelix:
        return QCoreApplication::translate("FigureTitles", "Hélice esférica");
    default:
        return QString();
    }
}

QString AngleTitle(int angleDeg)
{
    return QCoreApplication::translate(kFigureTitlesContext, kAngleLabelFormat).arg(angleDeg);
}

namespace {

QString Captioned(const QString& title, int angleDeg)
{
    if (title.isEmpty())
        return QString();
    //: Printed under the picture: the figure's name, then the angle label.
    return QCoreApplication::translate("PictureCaption", "%1 — %2")
        .arg(title, AngleTitle(angleDeg));
}

} // namespace

QString PictureCaption(CurveKind figure, int angleDeg)
{
    return Captioned(FigureTitle(figure), angleDeg);
}

QString FlatTitle(CurveKind figure)
{
    switch (figure) {
    case CurveKind::Helix:
        return QCoreApplication::translate("FigureTitles",
                                           "Desarrollo del cilindro: la hélice es una recta");
    case CurveKind::ConicalHelix:
        return QCoreApplication::translate(
            "FigureTitles", "Desarrollo del cono: la hélice cónica es una espiral logarítmica");
    case CurveKind::SphericalHelix:
        return QCoreApplication::translate(
            "FigureTitles", "Mapa de Mercator de la esfera: la hélice esférica es una recta");
    default:
        return QString();
    }
}

QString FlatCaption(CurveKind figure, int angleDeg)
{
    return Captioned(FlatTitle(figure), angleDeg);
}

QString SuggestedPictureName(CurveKind figure, int angleDeg)
{
    return QString::fromStdString(PictureFileStem(figure, angleDeg)) + QStringLiteral(".png");
}
