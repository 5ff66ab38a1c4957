// SPDX-License-Identifier: MIT
// Qt aborts the program when its platform plugin cannot start: without a
// window system, with an X server that cannot be reached, with a platform
// that does not exist. So before the application object exists, the
// platforms Qt is to try are written out (the ones asked for with -platform,
// else with QT_QPA_PLATFORM, else the ones Qt itself would choose) and its
// offscreen platform is added last: Qt tries such a list in order and takes
// the first that starts. The application then always starts, the help, the
// version or a usage error are printed whatever the display, and the window
// opens only on a platform that was meant, never on the fallback.
#pragma once

#include <QByteArray>
#include <QString>

class WindowSystem {
public:
    enum class Window {
        CanOpen,        // a platform that was meant started
        NoDisplay,      // no DISPLAY, no WAYLAND_DISPLAY, no platform asked for
        PlatformFailed, // what was asked for, or Qt's own choice, did not start
    };

    // Writes out the list for the application about to be made from `argc`
    // and `argv`, whose -platform value may come to point into this object:
    // it must outlive the application. Only on Unix systems other than
    // macOS; Windows and macOS always have their window system.
    WindowSystem(int argc, char** argv);
    WindowSystem(const WindowSystem&) = delete;
    WindowSystem& operator=(const WindowSystem&) = delete;

    // Once the application is made: whether the window can open.
    Window Check() const;
    // The platforms that were meant: those that failed to start.
    QString Meant() const { return QString::fromLocal8Bit(m_meant); }

private:
    QByteArray m_meant; // as Qt reads a list: "xcb", "wayland;xcb", "eglfs:option"
    QByteArray m_list;  // what Qt is given
    bool m_checked = false;
};

// The window systems the environment offers (X11 when `x11` has a display,
// Wayland when `wayland` has one) in the order Qt itself prefers when no
// platform is named: Wayland first in a Wayland session other than GNOME's,
// X11 first otherwise.
QByteArray DefaultPlatforms(bool x11, bool wayland, const QByteArray& sessionType,
                            const QByteArray& desktops);

// The list Qt is to try for the platforms meant: those, then offscreen.
QByteArray WithFallback(const QByteArray& meant);

// Whether `started` is one of the platforms of the list `meant`.
bool IsMeant(const QByteArray& meant, const QString& started);
