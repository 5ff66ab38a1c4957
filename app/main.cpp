#include "app/figure_app.h"

int main(int argc, char** argv)
{
    // Where QSettings keeps the window's placement and the smooth-lines option.
    QCoreApplication::setOrganizationName(QStringLiteral("Torsiva"));
    QCoreApplication::setApplicationName(QStringLiteral("Torsiva"));
    CFigureApp app(argc, argv);
    app.InitInstance();
    return 0;
}
