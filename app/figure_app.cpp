#include "app/figure_app.h"

#include "ui/app_icon.h"
#include "ui/figure_dialog.h"

CFigureApp::CFigureApp(int& argc, char** argv) : QApplication(argc, argv)
{
    setApplicationName(QStringLiteral("Torsiva"));
    setDesktopFileName(QStringLiteral("torsiva")); // lets Wayland find the icon
    setWindowIcon(AppIcon());
}

bool CFigureApp::InitInstance()
{
    CFigureDlg dialog;
    dialog.exec();
    return false;
}
