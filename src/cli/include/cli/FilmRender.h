#pragma once

#include "cli/RenderArguments.h"
#include "cli/RenderProgress.h"

#include <atomic>

namespace Cli {

// Renders frames firstFrame..lastFrame of the film into its folder under
// options.parent, named and written exactly as the window's film run does.
// Returns the exit code: 0 when every frame of the range is on disk, 1 when
// the folder cannot be made or any frame is missing at the end, and
// 128 + signal when stop became non-zero (the frame in progress is
// abandoned; only whole files stay).
int RenderFilm(const RenderOptions& options, RenderObserver& observer,
               const std::atomic<int>& stop);

} // namespace Cli
