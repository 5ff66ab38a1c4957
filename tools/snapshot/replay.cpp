// SPDX-License-Identifier: MIT
#include "tools/snapshot/replay.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "controls/view_controls.h"

namespace {

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

void ReplayScript(const ScriptActions& actions, ViewControls& controls)
{
    for (const ScriptAction& action : actions) {
        switch (action.kind) {
        case ScriptAction::Kind::Button:
            controls.OnCurveButton(action.figure);
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

std::string StateJson(const ViewState& view, const RecordedPanel& panel)
{
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
