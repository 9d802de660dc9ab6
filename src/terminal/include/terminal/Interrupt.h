#pragma once

#include <atomic>

namespace Terminal {

// Catches SIGINT, SIGTERM and SIGHUP (a closed terminal), every time: each
// sets the returned flag to its signal number, so that the running command
// stops between two columns and cleans up, leaving only whole files, however
// often the user presses Ctrl-C. SIGPIPE is ignored.
const std::atomic<int>& CatchInterrupts();

} // namespace Terminal
