// A ControlPanel without widgets: it keeps what the bars and the label would
// show and counts the redraws, each of which runs an optional action (the
// snapshot tool composes the picture there, tests a real redraw).
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <utility>

#include "ui/control_panel.h"

struct BarRecord {
    std::optional<std::pair<int, int>> range; // unset until the program sets it
    std::optional<int> thumb;
};

class RecordedPanel : public ControlPanel {
public:
    explicit RecordedPanel(std::function<void()> onRedraw = {}) : onRedraw_(std::move(onRedraw)) {}

    void SetScrollRange(int barId, int min, int max) override;
    void SetScrollPos(int barId, int pos) override;
    void SetAngleText(const std::string& text) override { label = text; }
    void DrawFigure() override;

    BarRecord barA, barZ, barP;
    std::string label;
    int redraws = 0;

private:
    BarRecord* Bar(int barId);
    std::function<void()> onRedraw_;
};
