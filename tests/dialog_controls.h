// SPDX-License-Identifier: MIT
// The main dialog's controls as a test finds them: a button by its text, a
// bar by its control identifier.
#pragma once

#include <QPushButton>
#include <QString>
#include <QWidget>

#include "ui/control_scroll_bar.h"

inline QPushButton* ButtonOf(QWidget* dialog, const char* text)
{
    for (QPushButton* button : dialog->findChildren<QPushButton*>())
        if (button->text() == QString::fromUtf8(text))
            return button;
    return nullptr;
}

inline ControlScrollBar* BarOf(QWidget* dialog, int controlId)
{
    for (ControlScrollBar* bar : dialog->findChildren<ControlScrollBar*>())
        if (bar->ControlId() == controlId)
            return bar;
    return nullptr;
}
