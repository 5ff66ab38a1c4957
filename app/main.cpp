#include "app/figure_app.h"

int main(int argc, char** argv)
{
    CFigureApp app(argc, argv);
    app.InitInstance();
    return 0;
}
