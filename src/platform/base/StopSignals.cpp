#include "platform/StopSignals.h"

#include <csignal>

namespace Platform {

void OnStopSignals(void (*handler)(int))
{
    struct sigaction action = {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
    // A closed terminal asks to stop like SIGTERM, not to die on the spot.
    sigaction(SIGHUP, &action, nullptr);
}

} // namespace Platform
