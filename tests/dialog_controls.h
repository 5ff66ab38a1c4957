// SPDX-License-Identifier: MIT
// The main dialog's controls as a test finds them (a button by its text, a
// bar by its control identifier) and drives them: the window shown as a run
// shows it, a key pressed wherever the focus is.
#pragma once

#include <optional>

#include <gtest/gtest.h>

#include <QApplication>
#include <QPoint>
#include <QPushButton>
#include <QString>
#include <QTest>
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

// Shows the window, at `at` if given, and waits until it is on the screen.
inline void ShowDialog(QWidget& dialog, std::optional<QPoint> at = std::nullopt)
{
    if (at)
        dialog.move(*at);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
}

// A key as the user presses it, wherever the focus is in the window.
inline void PressKey(QWidget& dialog, Qt::Key key, Qt::KeyboardModifiers modifiers = {})
{
    QWidget* focus = QApplication::focusWidget();
    QTest::keyClick(focus ? focus : &dialog, key, modifiers);
}
