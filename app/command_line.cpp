// SPDX-License-Identifier: MIT
#include "app/command_line.h"

#include <QCommandLineParser>
#include <QFileInfo>

#include "render/figure_names.h"
#include "torsiva_version.h"

namespace {

// A figure to start with: one of the three buttons, so "none" is no choice.
std::optional<CurveKind> FigureNamed(const QString& name)
{
    const std::optional<CurveKind> figure = FigureFromName(name.toStdString());
    if (figure == CurveKind::None)
        return std::nullopt;
    return figure;
}

// A plain decimal integer that fits an int: digits with an optional minus,
// and nothing else (no plus, blanks, base prefix or fraction).
std::optional<int> DecimalInt(const QString& text)
{
    const qsizetype first = text.startsWith(u'-') ? 1 : 0;
    if (text.size() == first)
        return std::nullopt;
    for (qsizetype i = first; i < text.size(); ++i)
        if (text[i] < u'0' || text[i] > u'9')
            return std::nullopt;
    bool fits = false;
    const int value = text.toInt(&fits, 10);
    return fits ? std::optional<int>(value) : std::nullopt;
}

} // namespace

CommandLine::CommandLine(const QStringList& arguments) { Read(arguments); }

void CommandLine::Read(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        tr("Hélices sobre el cilindro, el cono y la esfera, en perspectiva central."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  tr("Muestra esta ayuda."));
    parser.addOption(help);
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption figure(
        QStringLiteral("figure"),
        tr("Empieza como al pulsar el botón de la figura: helix (hélice), conical (hélice "
           "cónica) o spherical (hélice esférica)."),
        tr("figura"));
    const QCommandLineOption angle(
        QStringLiteral("angle"),
        tr("Con --figure, pone el ángulo como al soltar la barra A en <N> grados; se ajusta al "
           "intervalo de la figura."),
        QStringLiteral("N"));
    const QCommandLineOption flat(
        QStringLiteral("flat"),
        tr("Muestra el desarrollo de la superficie junto a la figura, como la opción "
           "«Desarrollo», sin recordarlo para la próxima vez."));
    const QCommandLineOption hidden(
        QStringLiteral("hidden"),
        tr("Dibuja el contorno y, a trazos, las partes de la curva que la superficie oculta, "
           "como la opción «Partes ocultas», sin recordarlo para la próxima vez."));
    const QCommandLineOption point(
        QStringLiteral("point"),
        tr("Marca el ángulo en un punto de la curva, como la opción «Ángulo en un punto»."));
    parser.addOptions({figure, angle, flat, hidden, point});
    // One dash or two, an option is one word: "-style" left over from Qt's
    // own options is one unknown option, not the letters s, t, y, l and e.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);

    m_program =
        arguments.isEmpty() ? QStringLiteral("torsiva") : QFileInfo(arguments.first()).fileName();
    m_help = parser.helpText();
    if (!parser.parse(arguments))
        return Fail(parser.errorText());
    if (parser.isSet(help)) {
        m_request = Request::Help;
        m_output = m_help;
        return;
    }
    if (parser.isSet(version)) {
        m_request = Request::Version;
        m_output = QStringLiteral("Torsiva " TORSIVA_VERSION "\n");
        return;
    }
    // A second value would silently replace the first, which may be the one
    // meant.
    for (const QCommandLineOption& option : {figure, angle})
        if (parser.values(option).size() > 1)
            return Fail(tr("La opción --%1 aparece más de una vez.").arg(option.names().first()));
    if (!parser.positionalArguments().isEmpty())
        return Fail(tr("Argumento inesperado «%1».").arg(parser.positionalArguments().first()));
    if (parser.isSet(figure)) {
        const std::optional<CurveKind> named = FigureNamed(parser.value(figure));
        if (!named)
            return Fail(tr("Figura desconocida «%1»: se espera helix, conical o spherical.")
                            .arg(parser.value(figure)));
        m_start.figure = *named;
    }
    m_start.flat = parser.isSet(flat);
    m_start.hidden = parser.isSet(hidden);
    m_start.point = parser.isSet(point);
    if (parser.isSet(angle)) {
        if (!parser.isSet(figure))
            return Fail(tr("--angle necesita --figure."));
        m_start.angleDeg = DecimalInt(parser.value(angle));
        if (!m_start.angleDeg)
            return Fail(tr("Ángulo no válido «%1»: se espera un número entero de grados.")
                            .arg(parser.value(angle)));
    }
}

void CommandLine::Fail(const QString& message)
{
    m_request = Request::BadUsage;
    m_start = StartOptions{};
    m_output = m_program + QStringLiteral(": ") + message + u'\n' + m_help;
}
