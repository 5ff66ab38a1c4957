// SPDX-License-Identifier: MIT
#include "ui/window_settings.h"

#include <algorithm>

#include <QSettings>
#include <QWidget>

namespace {

const char* const kPlacementKey = "window/geometry";
const char* const kSmoothLinesKey = "picture/smoothLines";
const char* const kFlatPictureKey = "picture/flat";
const char* const kHiddenPartsKey = "picture/hiddenParts";
const char* const kFlatGrowthKey = "window/flatGrowth";
const char* const kFlatMovedLeftKey = "window/flatMovedLeft";

} // namespace

void RestoreWindowPlacement(QWidget* window)
{
    const QByteArray placement = QSettings().value(kPlacementKey).toByteArray();
    if (!placement.isEmpty())
        window->restoreGeometry(placement);
}

void SaveWindowPlacement(const QWidget* window, FlatWidening flat)
{
    QSettings settings;
    settings.setValue(kPlacementKey, window->saveGeometry());
    settings.setValue(kFlatGrowthKey, flat.grownBy);
    settings.setValue(kFlatMovedLeftKey, flat.movedLeft);
}

FlatWidening SavedFlatWidening()
{
    QSettings settings;
    if (settings.value(kPlacementKey).toByteArray().isEmpty())
        return {};
    return {std::max(0, settings.value(kFlatGrowthKey, 0).toInt()),
            std::max(0, settings.value(kFlatMovedLeftKey, 0).toInt())};
}

bool SmoothLinesSetting() { return QSettings().value(kSmoothLinesKey, false).toBool(); }

void SaveSmoothLinesSetting(bool on) { QSettings().setValue(kSmoothLinesKey, on); }

bool FlatPictureSetting() { return QSettings().value(kFlatPictureKey, false).toBool(); }

void SaveFlatPictureSetting(bool on) { QSettings().setValue(kFlatPictureKey, on); }

bool HiddenPartsSetting() { return QSettings().value(kHiddenPartsKey, false).toBool(); }

void SaveHiddenPartsSetting(bool on) { QSettings().setValue(kHiddenPartsKey, on); }
