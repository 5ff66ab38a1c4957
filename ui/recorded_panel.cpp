#include "ui/recorded_panel.h"

#include <algorithm>

#include "ui/control_ids.h"

BarRecord* RecordedPanel::Bar(int barId)
{
    switch (barId) {
    case ControlId::kBarA:
        return &barA;
    case ControlId::kBarZ:
        return &barZ;
    case ControlId::kBarP:
        return &barP;
    default:
        return nullptr;
    }
}

void RecordedPanel::SetScrollRange(int barId, int min, int max)
{
    if (BarRecord* bar = Bar(barId))
        bar->range = std::pair{min, max};
}

// Like a scroll bar, the thumb stays inside the range once there is one.
void RecordedPanel::SetScrollPos(int barId, int pos)
{
    BarRecord* bar = Bar(barId);
    if (!bar)
        return;
    bar->thumb = bar->range ? std::clamp(pos, bar->range->first, bar->range->second) : pos;
}

void RecordedPanel::DrawFigure()
{
    ++redraws;
    if (onRedraw_)
        onRedraw_();
}
