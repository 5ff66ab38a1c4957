// SPDX-License-Identifier: MIT
#include "app/start_view.h"

void ApplyStartOptions(ViewControls& controls, const StartOptions& start)
{
    if (start.figure == CurveKind::None)
        return;
    controls.OnCurveButton(start.figure);
    if (start.angleDeg)
        controls.OnScroll(Bar::A, ScrollCode::ThumbPosition, *start.angleDeg);
}
