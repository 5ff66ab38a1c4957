// SPDX-License-Identifier: MIT
// What the "Desarrollo" option does to the window: turned on, the window
// widens by the flat picture and its gap, as far as the screen allows, into
// the room right of it first and then by moving left (what the screen does
// not allow, the two pictures share); turned off, it narrows and moves back
// by exactly what it widened and moved, so that it is the window it was. No
// toolkit: the shell hands in the sizes and applies the change returned.
#pragma once

// How the window was widened for the flat picture, in logical pixels: how
// much wider it is, and how much of that it took by moving left.
struct FlatWidening {
    int grownBy = 0;
    int movedLeft = 0;
};

// A change of the window, in logical pixels.
struct WindowChange {
    int clientWidth = 0; // the client width to ask for
    int moveLeft = 0;    // how far to move the window left; negative: right
};

class FlatOption {
public:
    bool On() const { return m_on; }
    // How much wider the window is for the flat picture, and how far left
    // it moved for it.
    int GrownBy() const { return m_grownBy; }
    FlatWidening Widening() const { return {m_grownBy, m_movedLeft}; }

    // Turned on, for a client area `clientWidth` wide whose pictures have
    // side `side`, in a window that has `roomRight` pixels of the screen
    // right of it and `roomLeft` left of it.
    WindowChange TurnOn(int clientWidth, int side, int roomRight, int roomLeft);
    // Turned off; the client never narrower than `minimumWidth`.
    WindowChange TurnOff(int clientWidth, int minimumWidth);

    // A window that comes back as it was left, widened as `saved` says for
    // the flat picture, with the option now `on`: the saved widening kept if
    // the option is on, and given back if it is off, moving the window back
    // right by what it moved left. With nothing saved, turning on widens as
    // TurnOn does.
    WindowChange Resume(bool on, int clientWidth, FlatWidening saved, int side, int roomRight,
                        int roomLeft, int minimumWidth);

private:
    bool m_on = false;
    int m_grownBy = 0;
    int m_movedLeft = 0;
};
