// SPDX-License-Identifier: MIT
#include "app/start_view.h"

#include "ui/control_ids.h"
#include "ui/control_scroll_bar.h"
#include "ui/figure_dialog.h"

namespace {

void ClickFigure(CFigureDlg& dialog, CurveKind figure)
{
    switch (figure) {
    case CurveKind::Helix:
        dialog.OnHelix();
        break;
    case CurveKind::ConicalHelix:
        dialog.OnConicalHelix();
        break;
    case CurveKind::SphericalHelix:
        dialog.OnSphericalHelix();
        break;
    case CurveKind::None:
        break;
    }
}

ControlScrollBar* AngleBar(const CFigureDlg& dialog)
{
    for (ControlScrollBar* bar : dialog.findChildren<ControlScrollBar*>())
        if (bar->ControlId() == ControlId::kBarA)
            return bar;
    return nullptr;
}

// A thumb dragged to `position` and let go: with tracking off the move itself
// reports nothing, so the dialog hears exactly one thumb-position notification
// at the position the bar's range allows.
void ReleaseThumbAt(ControlScrollBar& bar, int position)
{
    const bool tracking = bar.hasTracking();
    bar.setTracking(false);
    bar.setSliderDown(true);
    bar.setSliderPosition(position);
    bar.setSliderDown(false);
    bar.setTracking(tracking);
}

} // namespace

void ApplyStartOptions(CFigureDlg& dialog, const StartOptions& start)
{
    if (start.figure == CurveKind::None)
        return;
    ClickFigure(dialog, start.figure);
    if (ControlScrollBar* bar = AngleBar(dialog); bar && start.angleDeg)
        ReleaseThumbAt(*bar, *start.angleDeg);
}
