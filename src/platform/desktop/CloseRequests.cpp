#include "platform/CloseRequests.h"

#include "platform/Form.h"
#include "platform/StopSignals.h"

#include <QGuiApplication>
#include <QSessionManager>
#include <QSocketNotifier>
#include <sys/socket.h>
#include <unistd.h>

namespace Platform {

namespace {

// Written by the signal handler, read on the UI thread. A signal handler can
// do nothing safer than write one byte to a socket; a non-blocking one, so
// that a burst of signals with the UI thread busy never stalls the handler.
int g_signalSocket[2] = {-1, -1};

void OnSignal(int)
{
    const char byte = 1;
    [[maybe_unused]] const auto written = ::write(g_signalSocket[0], &byte, 1);
}

} // namespace

void RouteCloseRequests(Form& form)
{
    if (g_signalSocket[0] < 0 &&
        ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0, g_signalSocket) != 0)
        return;
    auto* notifier = new QSocketNotifier(g_signalSocket[1], QSocketNotifier::Read, &form);
    QObject::connect(notifier, &QSocketNotifier::activated, &form, [&form] {
        char byte = 0;
        [[maybe_unused]] const auto read = ::read(g_signalSocket[1], &byte, 1);
        form.RequestClose(UnloadOrigin::TaskManager);
    });
    OnStopSignals(OnSignal);

    QObject::connect(qGuiApp, &QGuiApplication::commitDataRequest, &form,
                     [&form](QSessionManager&) { form.RequestClose(UnloadOrigin::AppWindows); });
}

} // namespace Platform
