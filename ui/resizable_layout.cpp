// SPDX-License-Identifier: MIT
#include "ui/resizable_layout.h"

#include <QRect>
#include <QScreen>
#include <QScrollBar>

namespace {

LayoutRect FromQt(QRect r) { return {r.x(), r.y(), r.width(), r.height()}; }
QRect ToQt(LayoutRect r) { return QRect(r.x, r.y, r.width, r.height); }

} // namespace

void ResizableLayout::Capture(QWidget* dialog, QWidget* picture, QWidget* flatPicture)
{
    m_picture = picture;
    m_flatPicture = flatPicture;
    m_right.clear();
    const int pictureRight = PictureLayout::kPictureX + PictureLayout::kInitialSide;
    for (QWidget* child : dialog->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child == picture || child == flatPicture || child->isWindow() ||
            child->x() < pictureRight)
            continue;
        m_right.push_back(
            {child, FromQt(child->geometry()), qobject_cast<QScrollBar*>(child) != nullptr});
    }
}

bool ResizableLayout::Apply(QSize client, bool flat)
{
    const PictureLayout layout = PictureLayout::ForClient(client.width(), client.height(), flat);
    for (const Placed& placed : m_right)
        if (placed.widget)
            placed.widget->setGeometry(ToQt(placed.lengthens ? layout.Bar(placed.initial)
                                                             : layout.BelowBars(placed.initial)));
    if (m_flatPicture) {
        m_flatPicture->setGeometry(ToQt(layout.FlatPicture()));
        m_flatPicture->setVisible(flat);
    }
    if (!m_picture || m_picture->size() == QSize(layout.side, layout.side))
        return false;
    m_picture->setGeometry(ToQt(layout.Picture()));
    return true;
}

// The frame the window system adds is unknown until the window is shown;
// the client area alone is held to the available area.
void ResizableLayout::FitToScreen(QWidget* dialog)
{
    const QScreen* screen = dialog->screen();
    if (!screen)
        return;
    const QRect available = screen->availableGeometry();
    const QSize initial(PictureLayout::kInitialClientWidth, PictureLayout::kInitialClientHeight);
    dialog->setMinimumSize(initial.boundedTo(available.size()));
    dialog->resize(dialog->size().boundedTo(available.size()));
    QRect placed(dialog->pos(), dialog->size());
    if (!available.contains(placed)) {
        placed.moveRight(std::min(placed.right(), available.right()));
        placed.moveBottom(std::min(placed.bottom(), available.bottom()));
        placed.moveLeft(std::max(placed.left(), available.left()));
        placed.moveTop(std::max(placed.top(), available.top()));
        dialog->move(placed.topLeft());
    }
}
