#include "platform/Events.h"

#include <QCoreApplication>

namespace Platform {

void DoEvents()
{
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

} // namespace Platform
