#pragma once

#include <atomic>

namespace Cli {

// Catches SIGINT and SIGTERM. The first one sets the returned flag to its
// signal number, so that the running command can stop between two columns
// and leave only whole files; a second one ends the program at once.
const std::atomic<int>& CatchInterrupts();

} // namespace Cli
