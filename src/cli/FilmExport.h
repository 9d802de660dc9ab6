#pragma once

#include "cli/Console.h"
#include "cli/ExportArguments.h"

#include <atomic>

namespace Cli {

// Writes the frames of the film folder as a video. Missing frames are
// reported and left out. The video is written under a temporary name beside
// the final one and renamed when complete, so the final name never holds a
// partial video. Returns the exit code: 0 done, 1 nothing to export or the
// video could not be written, 2 a folder whose name is not a film's,
// 128 + signal when stop became non-zero.
int ExportFilm(const ExportOptions& options, Console& console, const std::atomic<int>& stop);

} // namespace Cli
