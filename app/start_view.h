// SPDX-License-Identifier: MIT
// The view the command line asks for, set through the view controls as the
// user would set it.
#pragma once

#include "app/command_line.h"
#include "controls/view_controls.h"

// Presses the figure's button, then lets go of the A bar's thumb at the
// angle, which the figure's range clamps. Nothing for no figure.
void ApplyStartOptions(ViewControls& controls, const StartOptions& start);
