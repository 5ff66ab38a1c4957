// SPDX-License-Identifier: MIT
#include "tools/snapshot/script_reader.h"

#include <cmath>
#include <limits>

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "render/figure_names.h"
#include "tools/snapshot/json_shape.h"
#include "tools/snapshot/one_line.h"

namespace {

QString Tr(const char* text) { return QCoreApplication::translate("ScriptReader", text); }

bool ToInt(const QJsonValue& value, int& out)
{
    if (!value.isDouble())
        return false;
    const double number = value.toDouble();
    if (number != std::floor(number) || number < std::numeric_limits<int>::min() ||
        number > std::numeric_limits<int>::max())
        return false;
    out = static_cast<int>(number);
    return true;
}

bool ToPoint(const QJsonValue& value, ScreenPoint& point)
{
    const QJsonArray xy = value.toArray();
    return value.isArray() && xy.size() == 2 && ToInt(xy[0], point.x) && ToInt(xy[1], point.y);
}

// {"bar": N, "code": 0..8, "pos": N}, "pos" optional and nothing else.
bool ToScroll(const QJsonValue& value, ScriptAction& action)
{
    const QJsonObject scroll = value.toObject();
    for (auto key = scroll.begin(); key != scroll.end(); ++key)
        if (key.key() != "bar" && key.key() != "code" && key.key() != "pos")
            return false;
    int code = -1;
    if (!value.isObject() || !ToInt(scroll["bar"], action.bar) || !ToInt(scroll["code"], code) ||
        code < 0 || code > int(kMaxScrollCode))
        return false;
    action.code = unsigned(code);
    return !scroll.contains("pos") || ToInt(scroll["pos"], action.pos);
}

// A curve button: one of the three figures, never "none".
bool ToFigure(const QJsonValue& value, CurveKind& figure)
{
    const auto kind = FigureFromName(value.toString().toStdString());
    if (!value.isString() || !kind || *kind == CurveKind::None)
        return false;
    figure = *kind;
    return true;
}

// One action object with exactly one key; returns an error text, empty on success.
QString ParseAction(const QJsonValue& value, ScriptAction& action)
{
    const QJsonObject object = value.toObject();
    if (!value.isObject() || object.size() != 1)
        return Tr("no es un objeto con una sola acción");
    const QString key = object.begin().key();
    const QJsonValue argument = object.begin().value();
    bool ok = false;
    if (key == "button") {
        action.kind = ScriptAction::Kind::Button;
        ok = ToFigure(argument, action.figure);
    } else if (key == "scroll") {
        action.kind = ScriptAction::Kind::Scroll;
        ok = ToScroll(argument, action);
    } else if (key == "press" || key == "move" || key == "release") {
        action.kind = key == "press"  ? ScriptAction::Kind::Press
                      : key == "move" ? ScriptAction::Kind::Move
                                      : ScriptAction::Kind::Release;
        ok = ToPoint(argument, action.cursor);
    } else {
        return Tr("es una acción desconocida, «%1»").arg(OneLine(key));
    }
    return ok ? QString() : Tr("tiene un valor no válido para «%1»").arg(OneLine(key));
}

} // namespace

std::optional<ScriptActions> ParseScript(const QByteArray& json, QString& error)
{
    if (json.size() > kMaxScriptBytes) {
        error = Tr("el guion pasa de %1 bytes").arg(kMaxScriptBytes);
        return std::nullopt;
    }
    // Counted before parsing: a million small actions already take
    // hundreds of megabytes once parsed.
    const JsonShape shape = ScanJsonShape(json);
    if (shape.topLevelValues > kMaxScriptActions) {
        error = Tr("el guion tiene más de %1 acciones").arg(kMaxScriptActions);
        return std::nullopt;
    }
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(json, &parseError);
    if (parseError.error != QJsonParseError::NoError || !document.isArray()) {
        error = Tr("no es una lista JSON de acciones (%1)").arg(parseError.errorString());
        return std::nullopt;
    }
    if (shape.duplicateKey) {
        error = Tr("un objeto repite una clave");
        return std::nullopt;
    }
    ScriptActions actions;
    const QJsonArray array = document.array();
    actions.reserve(size_t(array.size()));
    for (qsizetype i = 0; i < array.size(); ++i) {
        ScriptAction action;
        const QString problem = ParseAction(array[i], action);
        if (!problem.isEmpty()) {
            error = Tr("la acción %1 %2").arg(i).arg(problem);
            return std::nullopt;
        }
        actions.push_back(action);
    }
    return actions;
}

std::optional<ScriptActions> ReadScriptFile(const QString& path, QString& error)
{
    const auto fail = [&](const QString& reason) {
        error = QStringLiteral("%1: %2").arg(OneLine(path), reason);
        return std::nullopt;
    };
    if (path.isEmpty()) {
        error = Tr("--script necesita el nombre de un archivo");
        return std::nullopt;
    }
    const QFileInfo info(path);
    if (info.isDir())
        return fail(Tr("es una carpeta"));
    if (info.isFile() && info.size() > kMaxScriptBytes)
        return fail(Tr("el guion pasa de %1 bytes").arg(kMaxScriptBytes));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return fail(file.errorString());
    // Devices and pipes report no size: read at most one byte past the limit.
    const QByteArray json = file.read(kMaxScriptBytes + 1);
    if (file.error() != QFileDevice::NoError)
        return fail(file.errorString());
    const auto actions = ParseScript(json, error);
    if (!actions)
        error = QStringLiteral("%1: %2").arg(OneLine(path), error);
    return actions;
}
