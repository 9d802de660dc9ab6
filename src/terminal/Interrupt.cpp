#include "terminal/Interrupt.h"

#include "platform/StopSignals.h"

#include <csignal>

namespace Terminal {

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
    // A second Ctrl-C is caught too, so that it still stops at a point that
    // cleans up.
    Platform::OnStopSignals(OnInterrupt);
    // A reader of the progress that went away must not end the work: the
    // write fails instead, and the progress is dropped.
    std::signal(SIGPIPE, SIG_IGN);
    return caughtSignal;
}

} // namespace Terminal
