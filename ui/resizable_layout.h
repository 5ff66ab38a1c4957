// SPDX-License-Identifier: MIT
// The main dialog's resizable layout, applied to its widgets: the picture
// takes the square PictureLayout gives it, the flat picture, when shown, the
// square beside it, and the widgets right of the pictures follow their right
// edge. The left column never moves.
#pragma once

#include <vector>

#include <QPointer>
#include <QSize>
#include <QWidget>

#include "controls/picture_layout.h"

class ResizableLayout {
public:
    // Records, as they stand in the initial layout, the widgets that lie
    // right of the picture; scroll bars among them lengthen with it.
    void Capture(QWidget* dialog, QWidget* picture, QWidget* flatPicture);
    // Lays the widgets out for a client area of this size, with the flat
    // picture shown or hidden. Returns whether the picture changed size, so
    // that it needs a redraw.
    bool Apply(QSize client, bool flat);

    // Sets the dialog's minimum size, the initial size or the screen's
    // available size, whichever is smaller, and brings a window larger than
    // that area back inside it.
    static void FitToScreen(QWidget* dialog);

private:
    struct Placed {
        QPointer<QWidget> widget;
        LayoutRect initial;
        bool lengthens;
    };
    QPointer<QWidget> m_picture;
    QPointer<QWidget> m_flatPicture;
    std::vector<Placed> m_right;
};
