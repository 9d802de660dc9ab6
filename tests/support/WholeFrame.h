#pragma once

#include "render/FrameRenderer.h"

#include <cstdint>
#include <vector>

// Whole frames at once, for the core's tests, the benchmarks and the
// end-to-end tests' reference frames; the programs take frames column by
// column.
namespace Render {

// The whole frame, column-major (index x * pixels + row, row 0 at the top).
std::vector<std::int32_t> RenderFrameColors(const FrameRequest& request);

// Escape counts of the whole frame in the same layout.
std::vector<std::uint8_t> RenderFrameCounts(const FrameRequest& request);

} // namespace Render
