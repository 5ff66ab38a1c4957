// SPDX-License-Identifier: MIT
// What the program remembers between runs, through QSettings under the
// organisation and application names that main sets: the main window's
// size and position, whether lines are drawn smooth, whether the flat
// picture is shown and whether the hidden parts are (and, kept by the
// export actions, the folder last saved to). Never the view itself: every
// run starts without a figure. man/torsiva.1
// names the file and every key.
#pragma once

#include "controls/flat_option.h"

class QWidget;

// Puts the window where it was left, if it was saved before. The placement
// remembers how much wider the window was for the flat picture and how far
// left it moved for it, so that the next run can give both back if the
// option is off by then.
void RestoreWindowPlacement(QWidget* window);
void SaveWindowPlacement(const QWidget* window, FlatWidening flat);
// Nothing when no placement was saved.
FlatWidening SavedFlatWidening();

bool SmoothLinesSetting();
void SaveSmoothLinesSetting(bool on);

bool FlatPictureSetting();
void SaveFlatPictureSetting(bool on);

bool HiddenPartsSetting();
void SaveHiddenPartsSetting(bool on);
