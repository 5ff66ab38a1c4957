// SPDX-License-Identifier: MIT
#include "app/display_check.h"

#include <algorithm>
#include <cstring>

#include <QGuiApplication>
#include <QList>
#include <QtGlobal>

namespace {

const QByteArray kOffscreen = QByteArrayLiteral("offscreen");

// The names in a platform list, without their options.
QList<QByteArray> Names(const QByteArray& list)
{
    QList<QByteArray> names;
    for (const QByteArray& entry : list.split(';'))
        if (!entry.isEmpty())
            names << entry.left(entry.indexOf(':') < 0 ? entry.size() : entry.indexOf(':'));
    return names;
}

} // namespace

QByteArray DefaultPlatforms(bool x11, bool wayland, const QByteArray& sessionType,
                            const QByteArray& desktops)
{
    QList<QByteArray> platforms;
    if (x11)
        platforms << "xcb";
    if (wayland)
        platforms << "wayland";
    if (sessionType == "wayland" && !desktops.toLower().contains("gnome"))
        std::reverse(platforms.begin(), platforms.end());
    return platforms.join(';');
}

QByteArray WithFallback(const QByteArray& meant)
{
    return Names(meant).contains(kOffscreen) ? meant : meant + ';' + kOffscreen;
}

bool IsMeant(const QByteArray& meant, const QString& started)
{
    return Names(meant).contains(started.toLocal8Bit());
}

WindowSystem::WindowSystem(int argc, char** argv)
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
    m_checked = true;
    // Qt reads its options with one dash or two, the last one counting.
    int valueAt = 0;
    for (int i = 1; i + 1 < argc; ++i)
        if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0)
            valueAt = ++i;
    if (valueAt > 0) {
        m_meant = argv[valueAt];
    } else if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        m_meant = qgetenv("QT_QPA_PLATFORM");
    } else {
        m_meant = DefaultPlatforms(
            !qEnvironmentVariableIsEmpty("DISPLAY"),
            !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"), qgetenv("XDG_SESSION_TYPE"),
            qgetenv("XDG_CURRENT_DESKTOP") + ':' + qgetenv("XDG_SESSION_DESKTOP"));
    }
    m_list = m_meant.isEmpty() ? kOffscreen : WithFallback(m_meant);
    if (valueAt > 0)
        argv[valueAt] = m_list.data();
    else
        qputenv("QT_QPA_PLATFORM", m_list);
#else
    Q_UNUSED(argc);
    Q_UNUSED(argv);
#endif
}

WindowSystem::Window WindowSystem::Check() const
{
    if (!m_checked)
        return Window::CanOpen;
    if (m_meant.isEmpty())
        return Window::NoDisplay;
    return IsMeant(m_meant, QGuiApplication::platformName()) ? Window::CanOpen
                                                             : Window::PlatformFailed;
}
