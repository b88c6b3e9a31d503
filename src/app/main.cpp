// vistello: the picture viewer. Start-up lives in app/gui/Application.
#include "app/gui/Application.h"

int main(int argc, char** argv)
{
    return vistello::runApplication(argc, argv);
}
