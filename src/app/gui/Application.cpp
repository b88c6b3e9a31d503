#include "app/gui/Application.h"

#include <QApplication>

namespace vistello {

int runApplication(int argc, char** argv)
{
    QApplication app(argc, argv);
    return 0;
}

} // namespace vistello
