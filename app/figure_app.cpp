// SPDX-License-Identifier: MIT
#include "app/figure_app.h"

#include <cstdio>

#include "app/command_line.h"
#include "app/start_view.h"
#include "app/translations.h"
#include "ui/app_icon.h"
#include "ui/figure_dialog.h"

namespace {

constexpr int kExitNoDisplay = 1;
constexpr int kExitBadUsage = 2;

void Print(std::FILE* stream, const QString& text) { std::fputs(qPrintable(text), stream); }

} // namespace

CFigureApp::CFigureApp(int& argc, char** argv, bool withoutDisplay)
    : QApplication(argc, argv), m_withoutDisplay(withoutDisplay)
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
        return false;
    case CommandLine::Request::BadUsage:
        Print(stderr, commandLine.Output());
        m_exitStatus = kExitBadUsage;
        return false;
    case CommandLine::Request::Run:
        break;
    }
    if (m_withoutDisplay) {
        Print(stderr, tr("torsiva: no hay pantalla: la ventana necesita DISPLAY o "
                         "WAYLAND_DISPLAY, o la opción -platform.\n"));
        m_exitStatus = kExitNoDisplay;
        return false;
    }
    CFigureDlg dialog;
    if (commandLine.Start().flat)
        dialog.ShowFlatPicture(true);
    ApplyStartOptions(dialog.Controls(), commandLine.Start());
    dialog.exec();
    return false;
}
