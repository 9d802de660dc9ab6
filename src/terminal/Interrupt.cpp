#include "terminal/Interrupt.h"

#include "platform/StopSignals.h"

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
    return caughtSignal;
}

} // namespace Terminal
