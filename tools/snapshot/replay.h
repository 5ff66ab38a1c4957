// Replaying a list of user actions through the view controls.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "geometry/view_state.h"
#include "ui/recorded_panel.h"

struct ScriptAction {
    enum class Kind { Button, Scroll, Press, Move, Release };
    Kind kind = Kind::Button;
    CurveKind figure = CurveKind::None;
    int bar = 0;
    unsigned code = 0;
    int pos = 0;
    ScreenPoint cursor;
};

// Reads a JSON array of actions. On malformed input returns nothing and sets
// `error` to one line that names the offending action's index.
std::optional<std::vector<ScriptAction>> ReadScript(const std::string& path, std::string& error);

// Applies the actions, in order, through the view controls.
void ReplayScript(const std::vector<ScriptAction>& actions, RecordedPanel& panel);

// The view and what the controls show, as one JSON object.
std::string StateJson(const RecordedPanel& panel);
