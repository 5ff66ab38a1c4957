// SPDX-License-Identifier: MIT
// The application object: it reads the command line, runs the main dialog
// and ends with it.
#pragma once

#include <QApplication>

class CFigureApp : public QApplication {
    Q_DECLARE_TR_FUNCTIONS(CFigureApp)

public:
    // `withoutDisplay`: no window system was found and Qt runs on its
    // offscreen platform, enough to print the help or an error but not to
    // show the window.
    CFigureApp(int& argc, char** argv, bool withoutDisplay = false);

    // Installs the translations, reads the command line and runs the main
    // dialog modally, or prints what the command line asks for. Returns
    // false: the program then ends with ExitInstance()'s status, with no
    // event loop of its own.
    bool InitInstance();

    // The exit status of the run: 0 after the dialog or a printed help or
    // version, 1 without a display or when the standard output could not be
    // written, 2 for a bad command line.
    int ExitInstance() const { return m_exitStatus; }

private:
    bool m_withoutDisplay = false;
    int m_exitStatus = 0;
};
