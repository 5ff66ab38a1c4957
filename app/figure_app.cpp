// SPDX-License-Identifier: MIT
#include "app/figure_app.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "app/command_line.h"
#include "app/display_check.h"
#include "app/start_view.h"
#include "app/translations.h"
#include "ui/app_icon.h"
#include "ui/figure_dialog.h"

namespace {

constexpr int kExitNoDisplay = 1;
constexpr int kExitWriteFailed = 1;
constexpr int kExitBadUsage = 2;

void Print(std::FILE* stream, const QString& text) { std::fputs(qPrintable(text), stream); }

// Whether what went to the standard output got there: a full disk, a closed
// pipe or /dev/full shows only when it is flushed. A windowed program on
// Windows has no standard output unless one is given it, and then nothing
// is lost.
bool StandardOutputWritten()
{
#if defined(Q_OS_WIN)
    if (_fileno(stdout) < 0)
        return true;
#endif
    errno = 0;
    return std::fflush(stdout) == 0 && !std::ferror(stdout);
}

} // namespace

CFigureApp::CFigureApp(int& argc, char** argv, const WindowSystem& windowSystem)
    : QApplication(argc, argv), m_windowSystem(windowSystem)
{
    // The application id: Wayland and the desktop find the icon and the
    // desktop entry by it.
    setDesktopFileName(QStringLiteral("org.torsiva.Torsiva"));
    setWindowIcon(AppIcon());
}

bool CFigureApp::InitInstance()
{
    InstallTranslations(*this, UserProgramLocale());
    const CommandLine commandLine(arguments());
    switch (commandLine.Wanted()) {
    case CommandLine::Request::Help:
    case CommandLine::Request::Version:
        Print(stdout, commandLine.Output());
        if (!StandardOutputWritten()) {
            Print(stderr,
                  tr("torsiva: no se pudo escribir en la salida estándar: %1\n")
                      .arg(QString::fromLocal8Bit(std::strerror(errno != 0 ? errno : EIO))));
            m_exitStatus = kExitWriteFailed;
        }
        return false;
    case CommandLine::Request::BadUsage:
        Print(stderr, commandLine.Output());
        m_exitStatus = kExitBadUsage;
        return false;
    case CommandLine::Request::Run:
        break;
    }
    switch (m_windowSystem.Check()) {
    case WindowSystem::Window::NoDisplay:
        Print(stderr, tr("torsiva: no hay pantalla: la ventana necesita DISPLAY o "
                         "WAYLAND_DISPLAY, o la opción -platform.\n"));
        m_exitStatus = kExitNoDisplay;
        return false;
    case WindowSystem::Window::PlatformFailed:
        Print(stderr, tr("torsiva: no se pudo abrir la ventana: la plataforma «%1» no arranca.\n")
                          .arg(m_windowSystem.Meant()));
        m_exitStatus = kExitNoDisplay;
        return false;
    case WindowSystem::Window::CanOpen:
        break;
    }
    CFigureDlg dialog;
    if (commandLine.Start().flat)
        dialog.ShowFlatPicture(true);
    if (commandLine.Start().hidden)
        dialog.ShowHiddenParts(true);
    if (commandLine.Start().point)
        dialog.ShowPoint(true);
    ApplyStartOptions(dialog.Controls(), commandLine.Start());
    dialog.exec();
    return false;
}
