// SPDX-License-Identifier: MIT
// The dialogs are laid out in dialog units, so that the controls keep their
// proportions to the text. With base units of 6 × 13 pixels a horizontal unit
// is 1.5 pixels and a vertical one 1.625, rounded to the nearest pixel; at
// these values the main dialog holds the 500-pixel picture at (150, 10) with
// the buttons to its left and the bars to its right.
#pragma once

#include <QFont>
#include <QRect>
#include <QWidget>

constexpr int DialogX(int units) { return (units * 6 + 2) / 4; }
constexpr int DialogY(int units) { return (units * 13 + 4) / 8; }

inline QRect DialogRect(int x, int y, int width, int height)
{
    return QRect(DialogX(x), DialogY(y), DialogX(width), DialogY(height));
}

// The layouts were measured for an 8-point font; a larger default font would
// not fit the texts into their boxes.
inline void UseDialogFont(QWidget* dialog)
{
    QFont font = dialog->font();
    font.setPointSize(8);
    dialog->setFont(font);
}
