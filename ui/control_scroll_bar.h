// SPDX-License-Identifier: MIT
// A vertical scroll bar driven only by the program: it reports what the user
// does and shows the thumb where the view controls put it. Its value for a
// screen reader is the view value it stands for, not the thumb position.
#pragma once

#include <QScrollBar>
#include <QVariant>

#include "controls/control_ids.h"

class ViewControls;

class ControlScrollBar : public QScrollBar {
    Q_OBJECT

public:
    ControlScrollBar(int controlId, Bar bar, QWidget* parent);

    int ControlId() const { return m_controlId; }
    Bar Which() const { return m_bar; }

    // The controls a screen reader reads the bar's value from and sets it
    // through; none, and the bar reports its thumb position.
    void ReportValueOf(ViewControls* controls);
    ViewControls* Controls() const { return m_controls; }
    // The value the bar reports, to a screen reader among others: the view
    // value it stands for, or the thumb position of a bar that reports none.
    QVariant ReportedValue() const;

protected:
    bool event(QEvent* event) override;
    // A bar whose range is not set yet has no thumb, but its arrows and
    // trough still send their actions: the view controls decide what a click
    // means before the first figure, not the bar.
    void mousePressEvent(QMouseEvent* event) override;
    // The toolkit's own menu ("Scroll here", "Top" ...) would move the thumb
    // behind the view controls' back; the dialog's menu opens instead.
    void contextMenuEvent(QContextMenuEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void Wheel(QWheelEvent* event);
    void AnnounceValue();

    int m_controlId = 0;
    Bar m_bar = Bar::A;
    ViewControls* m_controls = nullptr;
    int m_wheelAngle = 0; // eighths of a degree not yet turned into a notch
};

// The scroll code of a slider action, or -1 for one that reports nothing.
int ScrollCodeOf(int sliderAction);
