// SPDX-License-Identifier: MIT
// The application object: it reads the command line, runs the main dialog
// and ends with it.
#pragma once

#include <QApplication>

class WindowSystem;

class CFigureApp : public QApplication {
    Q_DECLARE_TR_FUNCTIONS(CFigureApp)

public:
    // `windowSystem` wrote out the platforms Qt tries (app/display_check.h)
    // and says, once Qt has started, whether the window can open.
    CFigureApp(int& argc, char** argv, const WindowSystem& windowSystem);

    // Installs the translations, reads the command line and runs the main
    // dialog modally, or prints what the command line asks for. Returns
    // false: the program then ends with ExitInstance()'s status, with no
    // event loop of its own.
    bool InitInstance();

    // The exit status of the run: 0 after the dialog or a printed help or
    // version, 1 when the window cannot open (no display, or a platform that
    // does not start) or the standard output could not be written, 2 for a
    // bad command line.
    int ExitInstance() const { return m_exitStatus; }

private:
    const WindowSystem& m_windowSystem;
    int m_exitStatus = 0;
};
