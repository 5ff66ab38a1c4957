// SPDX-License-Identifier: MIT
#include "ui/window_settings.h"

#include <QSettings>
#include <QWidget>

namespace {

const char* const kPlacementKey = "window/geometry";
const char* const kSmoothLinesKey = "picture/smoothLines";

} // namespace

void RestoreWindowPlacement(QWidget* window)
{
    const QByteArray placement = QSettings().value(kPlacementKey).toByteArray();
    if (!placement.isEmpty())
        window->restoreGeometry(placement);
}

void SaveWindowPlacement(const QWidget* window)
{
    QSettings().setValue(kPlacementKey, window->saveGeometry());
}

bool SmoothLinesSetting() { return QSettings().value(kSmoothLinesKey, false).toBool(); }

void SaveSmoothLinesSetting(bool on) { QSettings().setValue(kSmoothLinesKey, on); }
