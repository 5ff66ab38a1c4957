// SPDX-License-Identifier: MIT
#include "app/display_check.h"
#include "app/figure_app.h"

int main(int argc, char** argv)
{
    // Where QSettings keeps the window's placement and the smooth-lines option.
    QCoreApplication::setOrganizationName(QStringLiteral("Torsiva"));
    QCoreApplication::setApplicationName(QStringLiteral("Torsiva"));
    const WindowSystem windowSystem(argc, argv);
    CFigureApp app(argc, argv, windowSystem);
    return app.InitInstance() ? app.exec() : app.ExitInstance();
}
