#include "BenchApplication.h"

#include <QApplication>

namespace Bench {

QApplication& Application()
{
    static int argc = 1;
    static char name[] = "powerreels-bench";
    static char* argv[] = {name, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication app(argc, argv);
    return app;
}

} // namespace Bench
