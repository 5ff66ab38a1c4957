// The application object: it runs the main dialog and ends with it.
#pragma once

#include <QApplication>

class CFigureApp : public QApplication {
public:
    CFigureApp(int& argc, char** argv);

    // Runs the main dialog modally. Returns false: when the dialog closes
    // the program ends, with no event loop of its own.
    bool InitInstance();
};
