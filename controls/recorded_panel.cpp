// SPDX-License-Identifier: MIT
#include "controls/recorded_panel.h"

#include <algorithm>

#include "controls/angle_label.h"

BarRecord& RecordedPanel::Record(Bar bar)
{
    BarRecord* const records[] = {&barA, &barZ, &barP}; // in the order of Bar
    return *records[static_cast<int>(bar)];
}

void RecordedPanel::SetScrollRange(Bar bar, int min, int max)
{
    Record(bar).range = std::pair{min, max};
}

// Like a scroll bar, the thumb stays inside the range once there is one.
void RecordedPanel::SetScrollPos(Bar bar, int pos)
{
    BarRecord& record = Record(bar);
    record.thumb = record.range ? std::clamp(pos, record.range->first, record.range->second) : pos;
}

void RecordedPanel::ShowAngle(int angleDeg) { label = AngleText(angleDeg); }

void RecordedPanel::DrawFigure(const ViewState& view)
{
    ++redraws;
    if (m_onRedraw)
        m_onRedraw(view);
}
