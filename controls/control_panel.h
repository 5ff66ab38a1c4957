// SPDX-License-Identifier: MIT
// What the view controls show, and the redraw they ask for. The dialog
// implements it with real widgets; tests and tools record it.
#pragma once

#include "controls/control_ids.h"
#include "geometry/view_state.h"

class ControlPanel {
public:
    virtual ~ControlPanel() = default;

    virtual void SetScrollRange(Bar bar, int min, int max) = 0;
    virtual void SetScrollPos(Bar bar, int pos) = 0;
    // The angle label shows this angle at once. The panel words it, so that
    // a translated shell can say it in its own language.
    virtual void ShowAngle(int angleDeg) = 0;
    // One full redraw of the picture of this view, whose frame is rebuilt.
    virtual void DrawFigure(const ViewState& view) = 0;
};
