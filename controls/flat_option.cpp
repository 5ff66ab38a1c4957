// SPDX-License-Identifier: MIT
#include "controls/flat_option.h"

#include <algorithm>

#include "controls/picture_layout.h"

WindowChange FlatOption::TurnOn(int clientWidth, int side, int roomRight, int roomLeft)
{
    if (m_on)
        return {clientWidth, 0};
    m_on = true;
    const int wanted = side + kFlatPictureGap;
    const int right = std::clamp(roomRight, 0, wanted);
    m_movedLeft = std::clamp(roomLeft, 0, wanted - right);
    m_grownBy = right + m_movedLeft;
    return {clientWidth + m_grownBy, m_movedLeft};
}

WindowChange FlatOption::TurnOff(int clientWidth, int minimumWidth)
{
    if (!m_on)
        return {clientWidth, 0};
    m_on = false;
    const WindowChange change{std::max(minimumWidth, clientWidth - m_grownBy), -m_movedLeft};
    m_grownBy = 0;
    m_movedLeft = 0;
    return change;
}

WindowChange FlatOption::Resume(bool on, int clientWidth, FlatWidening saved, int side,
                                int roomRight, int roomLeft, int minimumWidth)
{
    if (saved.grownBy <= 0)
        return on ? TurnOn(clientWidth, side, roomRight, roomLeft) : WindowChange{clientWidth, 0};
    m_on = true;
    m_grownBy = saved.grownBy;
    // A settings file edited by hand never moves the window farther than
    // the widening it claims.
    m_movedLeft = std::clamp(saved.movedLeft, 0, saved.grownBy);
    return on ? WindowChange{clientWidth, 0} : TurnOff(clientWidth, minimumWidth);
}
