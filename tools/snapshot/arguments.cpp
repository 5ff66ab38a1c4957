// SPDX-License-Identifier: MIT
#include "tools/snapshot/arguments.h"

#include "render/picture_scale.h"

#include <cmath>

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QLocale>

#include "controls/view_controls.h"
#include "render/curve_point.h"
#include "render/figure_names.h"
#include "tools/snapshot/numbers.h"
#include "tools/snapshot/one_line.h"

namespace {

QString Tr(const char* text) { return QCoreApplication::translate("SnapshotArguments", text); }

QString FigureChoices()
{
    QStringList names;
    for (const FigureName& figure : kFigureNames)
        names << QString::fromLatin1(figure.name);
    return names.join(QLatin1Char('|'));
}

struct Options {
    QCommandLineOption figure{"figure", Tr("La figura: %1.").arg(FigureChoices()), "FIGURA"};
    QCommandLineOption angle{"angle",
                             Tr("El ángulo, en grados enteros de %1 a %2 (%3).")
                                 .arg(kMeridianAngleFloor)
                                 .arg(kAngleCeiling)
                                 .arg(kDefaultAngleDeg),
                             "N"};
    QCommandLineOption zoom{"zoom", Tr("El zoom, de 0 a %1 (%2).").arg(kMaxZoom).arg(kDefaultZoom),
                            "Z"};
    QCommandLineOption eye{"eye", Tr("La posición del ojo (300,0,0)."), "X,Y,Z"};
    QCommandLineOption up{"up", Tr("La dirección hacia arriba (0,0,1)."), "X,Y,Z"};
    QCommandLineOption scale{"scale", Tr("La escala del dibujo, de 0.25 a 16 (1)."), "S"};
    QCommandLineOption script{"script", Tr("Repite las acciones de un guion JSON."), "GUION.json"};
    QCommandLineOption out{"out", Tr("El dibujo: .png, .svg o .pdf."), "ARCHIVO"};
    QCommandLineOption ops{"ops", Tr("Las operaciones del lienzo, una por línea."), "ARCHIVO.txt"};
    QCommandLineOption flat{"flat",
                            Tr("Dibuja el desarrollo de la superficie en lugar de la figura.")};
    QCommandLineOption hidden{
        "hidden",
        Tr("Dibuja el contorno y, a trazos, las partes de la curva que la superficie oculta.")};
    QCommandLineOption point{
        "point", Tr("Marca el ángulo en el punto de la curva de parámetro P (t o θ)."), "P"};

    QList<QCommandLineOption> All() const
    {
        return {figure, angle, zoom, eye, up, scale, script, out, ops, flat, hidden, point};
    }
    QList<QCommandLineOption> ViewOptions() const { return {figure, angle, zoom, eye, up}; }
};

// Each check returns an error line, empty when the value is good.
QString ReadFigure(const QString& value, SnapshotArguments& args)
{
    const auto kind = FigureFromName(value.toStdString());
    if (!kind)
        return Tr("--figure no conoce la figura «%1»").arg(OneLine(value));
    args.figure = *kind;
    return {};
}

// The angle is a whole number of degrees, and so it is written as one: a
// fraction is refused even when it rounds to a whole number.
QString ReadAngle(const QString& value, SnapshotArguments& args)
{
    const auto number = ParseDecimal(value);
    if (!number || !IsWholeNumberText(value))
        return Tr("--angle necesita un número entero, no «%1»").arg(OneLine(value));
    if (*number < kMeridianAngleFloor || *number > kAngleCeiling)
        return Tr("--angle debe estar entre %1 y %2, no %3")
            .arg(kMeridianAngleFloor)
            .arg(kAngleCeiling)
            .arg(OneLine(value));
    args.angleDeg = int(*number);
    return {};
}

QString ReadZoom(const QString& value, SnapshotArguments& args)
{
    const auto number = ParseDecimal(value);
    if (!number)
        return Tr("--zoom necesita un número, no «%1»").arg(OneLine(value));
    if (!DecimalWithin(value, 0.0, kMaxZoom))
        return Tr("--zoom debe estar entre 0 y %1, no %2").arg(kMaxZoom).arg(OneLine(value));
    args.zoom = *number;
    return {};
}

QString ReadEye(const QString& value, SnapshotArguments& args)
{
    const auto eye = ParseVector(value);
    if (!eye)
        return Tr("--eye necesita X,Y,Z, no «%1»").arg(OneLine(value));
    if (eye->x == 0.0 && eye->y == 0.0 && eye->z == 0.0)
        return Tr("--eye no puede ser el origen");
    if (Length(*eye) > kEyeReach)
        return Tr("--eye debe estar a menos de %1 del origen").arg(kEyeReach);
    args.eye = *eye;
    return {};
}

QString ReadUp(const QString& value, SnapshotArguments& args)
{
    const auto up = ParseVector(value);
    if (!up)
        return Tr("--up necesita X,Y,Z, no «%1»").arg(OneLine(value));
    args.up = *up;
    return {};
}

QString ReadPoint(const QString& value, SnapshotArguments& args)
{
    const auto point = ParseDecimal(value);
    if (!point)
        return Tr("--point necesita un número, no «%1»").arg(OneLine(value));
    args.point = *point;
    return {};
}

QString ReadScale(const QString& value, SnapshotArguments& args)
{
    const auto scale = ParseDecimal(value);
    if (!scale)
        return Tr("--scale necesita un número, no «%1»").arg(OneLine(value));
    if (!DecimalWithin(value, kMinPictureScale, kMaxPictureScale))
        return Tr("--scale debe estar entre 0.25 y 16, no %1").arg(OneLine(value));
    args.scale = *scale;
    return {};
}

// Only the direction of up matters, so it is compared at unit size: a tiny or
// huge up is fine as long as it does not run along the line of sight.
bool UpFixesTheFrame(const SnapshotArguments& args)
{
    if (args.up.x == 0.0 && args.up.y == 0.0 && args.up.z == 0.0)
        return false;
    const Vec3 across = Cross(Normalize(args.up), Normalize(args.eye));
    return across.x != 0.0 || across.y != 0.0 || across.z != 0.0;
}

QString CheckCombination(const QCommandLineParser& parser, const Options& options,
                         const SnapshotArguments& args)
{
    if (!parser.positionalArguments().isEmpty())
        return Tr("argumento de más: «%1»").arg(OneLine(parser.positionalArguments().first()));
    for (const QCommandLineOption& option : options.All())
        if (parser.values(option).size() > 1)
            return Tr("--%1 aparece más de una vez").arg(option.names().first());
    if (args.scriptGiven) {
        for (const QCommandLineOption& option : options.ViewOptions())
            if (parser.isSet(option))
                return Tr("--script repite una sesión desde el principio y no admite --%1")
                    .arg(option.names().first());
    }
    if (!parser.isSet(options.out))
        return Tr("falta --out ARCHIVO");
    // The synopsis asks for one of the two: a forgotten --figure would give
    // the empty square without a word.
    if (!args.scriptGiven && !parser.isSet(options.figure))
        return Tr("falta --figure FIGURA o --script GUION.json");
    if (args.out.isEmpty())
        return Tr("--out necesita el nombre de un archivo");
    if (parser.isSet(options.ops) && args.ops.isEmpty())
        return Tr("--ops necesita el nombre de un archivo");
    if (!args.scriptGiven && !UpFixesTheFrame(args))
        return Tr("--up no puede ser cero ni estar en la línea de visión");
    if (args.flat && !args.scriptGiven && args.figure == CurveKind::None)
        return Tr("--flat necesita una figura: --figure helix, conical o spherical");
    if (args.point && !args.scriptGiven)
        return CheckPoint(args.figure, args.angleDeg, *args.point);
    return {};
}

} // namespace

QString CheckPoint(CurveKind figure, int angleDeg, double point)
{
    if (figure == CurveKind::None)
        return Tr("--point necesita una figura: --figure helix, conical o spherical");
    const CurveRange range = TraceOf(figure, angleDeg).range;
    if (!range.Contains(point))
        return Tr("--point debe estar entre %1 y %2 para esta curva, no %3")
            .arg(range.first, 0, 'g', QLocale::FloatingPointShortest)
            .arg(range.last, 0, 'g', QLocale::FloatingPointShortest)
            .arg(point, 0, 'g', QLocale::FloatingPointShortest);
    const Vec3 at = PointOnCurve(figure, angleDeg, point).position;
    if (figure == CurveKind::ConicalHelix && at.x == 0.0 && at.y == 0.0)
        return Tr("--point %1 cae en el vértice del cono, donde la curva no tiene dirección")
            .arg(point, 0, 'g', QLocale::FloatingPointShortest);
    return {};
}

QString SnapshotUsage()
{
    return Tr("uso: torsiva-snapshot (--figure %1 [--angle N] [--zoom Z]\n"
              "                        [--eye X,Y,Z] [--up X,Y,Z] | --script GUION.json)\n"
              "                       [--flat] [--hidden] [--point P] [--scale S]\n"
              "                       --out ARCHIVO.png|.svg|.pdf [--ops ARCHIVO.txt]\n"
              "       torsiva-snapshot --help | --version")
        .arg(FigureChoices());
}

ParsedCommandLine ParseArguments(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        Tr("Dibuja una figura con el mismo trazado que el programa, sin pantalla."));
    // Our own help entry: Qt's has no Spanish, and its --help-all would list
    // Qt's options, which this tool does not take.
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  Tr("Muestra esta ayuda."));
    parser.addOption(help);
    const QCommandLineOption version = parser.addVersionOption();
    const Options options;
    parser.addOptions(options.All());

    ParsedCommandLine result;
    if (!parser.parse(arguments)) {
        result.error = OneLine(parser.errorText());
        return result;
    }
    if (parser.isSet(help)) {
        result.text = parser.helpText();
        return result;
    }
    if (parser.isSet(version)) {
        result.text = QStringLiteral("%1 %2\n").arg(QCoreApplication::applicationName(),
                                                    QCoreApplication::applicationVersion());
        return result;
    }

    SnapshotArguments args;
    using Reader = QString (*)(const QString&, SnapshotArguments&);
    const std::pair<const QCommandLineOption*, Reader> readers[] = {
        {&options.figure, ReadFigure}, {&options.angle, ReadAngle}, {&options.zoom, ReadZoom},
        {&options.eye, ReadEye},       {&options.up, ReadUp},       {&options.scale, ReadScale},
        {&options.point, ReadPoint},
    };
    for (const auto& [option, read] : readers) {
        if (!parser.isSet(*option))
            continue;
        result.error = read(parser.value(*option), args);
        if (!result.error.isEmpty())
            return result;
    }
    args.out = parser.value(options.out);
    args.ops = parser.value(options.ops);
    args.script = parser.value(options.script);
    args.scriptGiven = parser.isSet(options.script);
    args.flat = parser.isSet(options.flat);
    args.hidden = parser.isSet(options.hidden);
    result.error = CheckCombination(parser, options, args);
    if (result.error.isEmpty())
        result.arguments = args;
    return result;
}
