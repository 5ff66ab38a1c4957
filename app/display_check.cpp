// SPDX-License-Identifier: MIT
#include "app/display_check.h"

#include <cstring>

#include <QByteArray>
#include <QtGlobal>

bool UseOffscreenWithoutDisplay(int argc, char** argv)
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
    for (const char* variable : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
        if (!qEnvironmentVariableIsEmpty(variable))
            return false;
    // Qt reads its options with one dash or two.
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0)
            return false;
    qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    return true;
#else
    // Windows and macOS always have their window system.
    Q_UNUSED(argc);
    Q_UNUSED(argv);
    return false;
#endif
}
