// SPDX-License-Identifier: MIT
// Reading a script of user actions: a JSON array of one-key action objects.
//
// The reader is strict, because a script that does not say exactly what it
// means would replay something else: the text is JSON (RFC 8259); every
// object has only the keys its action knows, none twice; numbers are whole,
// exactly, and in range; and the script is at most kMaxScriptBytes long with
// at most kMaxScriptActions actions, so that neither its reading nor its
// replay can run away with the memory. It is read without building a document
// tree: a script refused for any reason, nesting included, costs no more
// memory than its text.
#pragma once

#include <optional>
#include <vector>

#include <QByteArray>
#include <QString>

#include "geometry/view_state.h"

struct ScriptAction {
    enum class Kind { Button, Scroll, Press, Move, Release };
    Kind kind = Kind::Button;
    CurveKind figure = CurveKind::None;
    int bar = 0;
    unsigned code = 0; // 0..8
    int pos = 0;
    ScreenPoint cursor;
};

using ScriptActions = std::vector<ScriptAction>;

constexpr qint64 kMaxScriptBytes = 16 * 1024 * 1024;
constexpr qsizetype kMaxScriptActions = 1000000;
constexpr unsigned kMaxScrollCode = 8;

// The actions of a script's text. On any fault returns nothing and sets
// `error` to one line naming the first fault in reading order: the offending
// action's index where there is one, or the byte where the JSON breaks.
std::optional<ScriptActions> ParseScript(const QByteArray& json, QString& error);

// The same for a file, read through a size-checked QFile: a larger file, or
// an endless one such as /dev/zero, is refused without being read whole.
std::optional<ScriptActions> ReadScriptFile(const QString& path, QString& error);
