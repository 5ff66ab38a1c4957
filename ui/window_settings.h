// SPDX-License-Identifier: MIT
// What the program remembers between runs, through QSettings under the
// organisation and application names that main sets: the main window's
// size and position, and whether lines are drawn smooth (and, kept by the
// export actions, the folder last saved to). Never the view: every run
// starts without a figure. man/torsiva.1 names the file and every key.
#pragma once

class QWidget;

// Puts the window where it was left, if it was saved before.
void RestoreWindowPlacement(QWidget* window);
void SaveWindowPlacement(const QWidget* window);

bool SmoothLinesSetting();
void SaveSmoothLinesSetting(bool on);
