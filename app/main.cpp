#include "app/display_check.h"
#include "app/figure_app.h"

int main(int argc, char** argv)
{
    const bool withoutDisplay = UseOffscreenWithoutDisplay(argc, argv);
    CFigureApp app(argc, argv, withoutDisplay);
    return app.InitInstance() ? app.exec() : app.ExitInstance();
}
