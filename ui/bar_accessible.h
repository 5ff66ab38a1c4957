// SPDX-License-Identifier: MIT
// What a screen reader learns of a view bar: its name, and as its value the
// view value it stands for (the angle in degrees, the zoom, the eye
// distance), read from the view controls rather than from the thumb.
#pragma once

// Makes Qt's accessibility ask this file about every ControlScrollBar. Safe
// to call more than once.
void InstallBarAccessibility();
