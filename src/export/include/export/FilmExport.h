#pragma once

#include "export/ExportArguments.h"
#include "terminal/Console.h"

#include <atomic>

namespace Export {

// Writes the frames of the film folder as a video. Missing frames are
// reported and left out. The video is written in a private staging folder
// beside the final name and renamed over it when complete, so the final name
// never holds a partial video and a link planted there is never written
// through. Returns the exit code: 0 done, 1 nothing to export or the
// video could not be written, 2 a folder whose name is not a film's,
// 128 + signal when stop became non-zero.
int ExportFilm(const ExportOptions& options, Terminal::Console& console,
               const std::atomic<int>& stop);

} // namespace Export
