#include "platform/CloseRequests.h"
#include "platform/QtDesktop.h"
#include "resources/Icon.h"
#include "window/frmPowerReels.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName("PowerReels");
    QApplication::setWindowIcon(PowerReelsIcon());
    Platform::QtDesktop desktop;
    frmPowerReels form(desktop);
    Platform::RouteCloseRequests(form);
    form.Show();
    return QApplication::exec();
}
