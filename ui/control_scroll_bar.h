// A vertical scroll bar driven only by the program: it reports what the user
// does and shows the thumb where the view controls put it.
#pragma once

#include <QScrollBar>

class ControlScrollBar : public QScrollBar {
public:
    ControlScrollBar(int controlId, QWidget* parent);

    int ControlId() const { return m_controlId; }

protected:
    // A bar whose range is not set yet has no thumb, but its arrows and
    // trough still send their actions, as they did in the original program.
    void mousePressEvent(QMouseEvent* event) override;

private:
    int m_controlId;
};

// The scroll code of a slider action, or -1 for one that reports nothing.
int ScrollCodeOf(int sliderAction);
