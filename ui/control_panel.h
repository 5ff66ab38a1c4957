// What the view controls show, and the redraw they ask for. The dialog
// implements it with real widgets; tests and tools record it.
#pragma once

#include <string>

class ControlPanel {
public:
    virtual ~ControlPanel() = default;

    virtual void SetScrollRange(int barId, int min, int max) = 0;
    virtual void SetScrollPos(int barId, int pos) = 0;
    // The angle label's new text, pushed to the label at once.
    virtual void SetAngleText(const std::string& text) = 0;
    // One full redraw of the picture from the view.
    virtual void DrawFigure() = 0;
};
