#pragma once

#include <atomic>

namespace Cli {

// Catches SIGINT, SIGTERM and SIGHUP: each sets the returned flag to its
// signal number, so that the running command can stop between two columns
// and leave only whole files. SIGPIPE is ignored.
const std::atomic<int>& CatchInterrupts();

} // namespace Cli
