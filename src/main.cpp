#include "platform/CloseRequests.h"
#include "platform/QtDesktop.h"
#include "resources/Icon.h"
#include "window/frmPowerReels.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName("PowerReels");
    // Ties the window to its desktop entry, whose icon the desktop then shows.
    QGuiApplication::setDesktopFileName("io.github.powerreels.PowerReels");
    QApplication::setWindowIcon(PowerReelsIcon());
    Platform::QtDesktop desktop;
    frmPowerReels form(desktop);
    Platform::RouteCloseRequests(form);
    form.Show();
    return QApplication::exec();
}
