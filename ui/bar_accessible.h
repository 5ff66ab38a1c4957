// SPDX-License-Identifier: MIT
// What a screen reader learns of a view bar: its name, and as its value the
// view value it stands for (the angle in degrees, the zoom, the eye
// distance), read from the view controls rather than from the thumb.
#pragma once

#include <QVariant>

class ControlScrollBar;

// Makes Qt's accessibility ask this file about every ControlScrollBar. Safe
// to call more than once.
void InstallBarAccessibility();

// The value reported for the bar: the view value, or the thumb position of a
// bar that reports none.
QVariant BarAccessibleValue(const ControlScrollBar& bar);
