// SPDX-License-Identifier: MIT
// torsiva-fuzz-script: any bytes as a snapshot script. The reader must give
// either one line of error or a list of actions it could replay, each within
// the ranges the replay relies on; never a crash, and never more memory than
// a bounded multiple of the input. What it accepts must be JSON that Qt's
// own parser reads as a list of as many values.
#include <QByteArray>
#include <QJsonArray>
#include <QJsonDocument>
#include <QString>

#include "fuzz_check.h"
#include "tools/snapshot/script_reader.h"

namespace {

bool IsReplayable(const ScriptAction& action)
{
    switch (action.kind) {
    case ScriptAction::Kind::Button:
        return action.figure == CurveKind::Helix || action.figure == CurveKind::ConicalHelix ||
               action.figure == CurveKind::SphericalHelix;
    case ScriptAction::Kind::Scroll:
        return action.code <= kMaxScrollCode;
    case ScriptAction::Kind::Press:
    case ScriptAction::Kind::Move:
    case ScriptAction::Kind::Release:
        return true;
    }
    return false;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray json =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    QString error;
    const auto actions = ParseScript(json, error);
    if (!actions) {
        FUZZ_CHECK(!error.isEmpty() && !error.contains('\n'));
        return 0;
    }
    FUZZ_CHECK(error.isEmpty());
    FUZZ_CHECK(qsizetype(actions->size()) <= kMaxScriptActions);
    // Every action takes at least its braces, key and value: "{"move":[0,0]}".
    FUZZ_CHECK(actions->size() <= size / 8 + 1);
    for (const ScriptAction& action : *actions)
        FUZZ_CHECK(IsReplayable(action));
    QJsonParseError parsed;
    const QJsonDocument document = QJsonDocument::fromJson(json, &parsed);
    FUZZ_CHECK(parsed.error == QJsonParseError::NoError && document.isArray());
    FUZZ_CHECK(document.array().size() == qsizetype(actions->size()));
    return 0;
}
