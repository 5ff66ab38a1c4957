// SPDX-License-Identifier: MIT
// The view the command line asks for, set through the dialog's own controls.
#pragma once

#include "app/command_line.h"

class CFigureDlg;

// Clicks the figure's button, then releases the A bar's thumb at the angle,
// which the bar's range (the figure's range) clamps. Nothing for no figure.
void ApplyStartOptions(CFigureDlg& dialog, const StartOptions& start);
