// SPDX-License-Identifier: MIT
// Device pixels per logical pixel of a widget's screen, for the pictures
// drawn at device pixels.
#pragma once

#include <cmath>

#include <QWidget>

// A ratio reported as 0, negative or not a number counts as 1.
inline double DeviceRatioOf(const QWidget& widget)
{
    const double ratio = widget.devicePixelRatioF();
    return ratio > 0.0 && std::isfinite(ratio) ? ratio : 1.0;
}
