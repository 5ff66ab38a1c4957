// SPDX-License-Identifier: MIT
// Replaying a list of user actions through the view controls.
#pragma once

#include <string>

#include "controls/recorded_panel.h"
#include "controls/view_controls.h"
#include "tools/snapshot/script_reader.h"

// Applies the actions, in order, through the view controls.
void ReplayScript(const ScriptActions& actions, ViewControls& controls);

// The view and what the controls show, as one JSON object.
std::string StateJson(const ViewState& view, const RecordedPanel& panel);
