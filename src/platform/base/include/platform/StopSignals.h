#pragma once

namespace Platform {

// Calls handler for every SIGINT, SIGTERM and SIGHUP that reaches the process, not
// just the first, and lets interrupted reads and writes go on afterwards.
// The handler may only do what is safe in a signal handler.
void OnStopSignals(void (*handler)(int));

} // namespace Platform
