#include "cli/Interrupt.h"

#include <csignal>

namespace Cli {

namespace {

// A signal handler can reach nothing but a global; a lock-free atomic is
// safe to set from one.
std::atomic<int> caughtSignal{0};
static_assert(std::atomic<int>::is_always_lock_free);

void OnInterrupt(int signal)
{
    caughtSignal.store(signal);
}

} // namespace

const std::atomic<int>& CatchInterrupts()
{
    struct sigaction action = {};
    action.sa_handler = OnInterrupt;
    sigemptyset(&action.sa_mask);
    // Writes go on after the handler. Every further signal is caught too, so
    // that a second Ctrl-C still stops at a point that cleans up.
    action.sa_flags = SA_RESTART;
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
    return caughtSignal;
}

} // namespace Cli
