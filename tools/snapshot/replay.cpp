#include "tools/snapshot/script.h"

#include <cmath>
#include <limits>

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "ui/view_controls.h"

namespace {

bool ToInt(const QJsonValue& value, int& out, double low = std::numeric_limits<int>::min(),
           double high = std::numeric_limits<int>::max())
{
    if (!value.isDouble())
        return false;
    const double number = value.toDouble();
    if (number != std::floor(number) || number < low || number > high)
        return false;
    out = static_cast<int>(number);
    return true;
}

bool ToPoint(const QJsonValue& value, ScreenPoint& point)
{
    const QJsonArray xy = value.toArray();
    return value.isArray() && xy.size() == 2 && ToInt(xy[0], point.x) && ToInt(xy[1], point.y);
}

bool ToScroll(const QJsonValue& value, ScriptAction& action)
{
    const QJsonObject scroll = value.toObject();
    double code = 0;
    if (!value.isObject() || !ToInt(scroll["bar"], action.bar) || !scroll["code"].isDouble())
        return false;
    code = scroll["code"].toDouble();
    if (code != std::floor(code) || code < 0 || code > std::numeric_limits<unsigned>::max())
        return false;
    action.code = static_cast<unsigned>(code);
    return !scroll.contains("pos") || ToInt(scroll["pos"], action.pos);
}

bool ToFigure(const QJsonValue& value, CurveKind& figure)
{
    const QString name = value.toString();
    if (name == "helix")
        figure = CurveKind::Helix;
    else if (name == "conical")
        figure = CurveKind::ConicalHelix;
    else if (name == "spherical")
        figure = CurveKind::SphericalHelix;
    else
        return false;
    return true;
}

// One action object with exactly one key; returns an error text, empty on success.
std::string ParseAction(const QJsonValue& value, ScriptAction& action)
{
    const QJsonObject object = value.toObject();
    if (!value.isObject() || object.size() != 1)
        return "is not an object with one action";
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
        return "is an unknown action '" + key.toStdString() + "'";
    }
    return ok ? "" : "has a value of the wrong type for '" + key.toStdString() + "'";
}

QJsonValue BarJson(const std::optional<std::pair<int, int>>& range)
{
    return range ? QJsonValue(QJsonArray{range->first, range->second}) : QJsonValue();
}

QJsonValue ThumbJson(const std::optional<int>& thumb)
{
    return thumb ? QJsonValue(*thumb) : QJsonValue();
}

QJsonArray VectorJson(Vec3 v) { return {v.x, v.y, v.z}; }

} // namespace

std::optional<std::vector<ScriptAction>> ReadScript(const std::string& path, std::string& error)
{
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly)) {
        error = "cannot read " + path;
        return std::nullopt;
    }
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &parseError);
    if (parseError.error != QJsonParseError::NoError || !document.isArray()) {
        error =
            path + ": not a JSON array of actions (" + parseError.errorString().toStdString() + ")";
        return std::nullopt;
    }
    std::vector<ScriptAction> actions;
    const QJsonArray array = document.array();
    for (qsizetype i = 0; i < array.size(); ++i) {
        ScriptAction action;
        const std::string problem = ParseAction(array[i], action);
        if (!problem.empty()) {
            error = "action " + std::to_string(i) + " " + problem;
            return std::nullopt;
        }
        actions.push_back(action);
    }
    return actions;
}

void ReplayScript(const std::vector<ScriptAction>& actions, RecordedPanel& panel)
{
    ViewControls controls(panel);
    for (const ScriptAction& action : actions) {
        switch (action.kind) {
        case ScriptAction::Kind::Button:
            if (action.figure == CurveKind::Helix)
                controls.OnHelix();
            else if (action.figure == CurveKind::ConicalHelix)
                controls.OnConicalHelix();
            else
                controls.OnSphericalHelix();
            break;
        case ScriptAction::Kind::Scroll:
            controls.OnVScroll(action.code, action.pos, action.bar);
            break;
        case ScriptAction::Kind::Press:
            controls.OnLButtonDown(action.cursor);
            break;
        case ScriptAction::Kind::Move:
            controls.OnMouseMove(action.cursor);
            break;
        case ScriptAction::Kind::Release:
            controls.OnLButtonUp();
            break;
        }
    }
}

std::string StateJson(const RecordedPanel& panel)
{
    const ViewState& view = View();
    const QJsonObject state{
        {"eye", VectorJson(view.eye)},
        {"up", VectorJson(view.up)},
        {"zoom", view.zoom},
        {"angleDeg", view.angleDeg},
        {"curveKind", static_cast<int>(view.curveKind)},
        {"dragging", view.dragging},
        {"thumbA", ThumbJson(panel.barA.thumb)},
        {"thumbZ", ThumbJson(panel.barZ.thumb)},
        {"thumbP", ThumbJson(panel.barP.thumb)},
        {"rangeA", BarJson(panel.barA.range)},
        {"rangeZ", BarJson(panel.barZ.range)},
        {"rangeP", BarJson(panel.barP.range)},
        {"label", QString::fromStdString(panel.label)},
        {"redraws", panel.redraws},
    };
    return QJsonDocument(state).toJson(QJsonDocument::Compact).toStdString();
}
