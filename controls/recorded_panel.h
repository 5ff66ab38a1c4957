// SPDX-License-Identifier: MIT
// A ControlPanel without widgets: it keeps what the bars and the label would
// show and counts the redraws, each of which runs an optional action on the
// view it is handed (the snapshot tool composes the picture there, tests a
// real redraw).
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <utility>

#include "controls/control_panel.h"

struct BarRecord {
    std::optional<std::pair<int, int>> range; // unset until the program sets it
    std::optional<int> thumb;
};

class RecordedPanel : public ControlPanel {
public:
    explicit RecordedPanel(std::function<void(const ViewState&)> onRedraw = {})
        : m_onRedraw(std::move(onRedraw))
    {
    }

    void SetScrollRange(Bar bar, int min, int max) override;
    void SetScrollPos(Bar bar, int pos) override;
    // The label in Spanish, as the dialog shows it untranslated.
    void ShowAngle(int angleDeg) override;
    void DrawFigure(const ViewState& view) override;

    BarRecord barA, barZ, barP;
    std::string label;
    int redraws = 0;

private:
    BarRecord& Record(Bar bar);

    std::function<void(const ViewState&)> m_onRedraw;
};
