// SPDX-License-Identifier: MIT
// Replaying a list of user actions through the view controls.
#pragma once

#include <string>

#include "tools/snapshot/script_reader.h"
#include "ui/recorded_panel.h"

// Applies the actions, in order, through the view controls.
void ReplayScript(const ScriptActions& actions, RecordedPanel& panel);

// The view and what the controls show, as one JSON object.
std::string StateJson(const RecordedPanel& panel);
