#pragma once

#include <cstdint>

namespace Render {

// Colour of a pixel from its escape count (65: not escaped, black) and the
// frame's reference count, the count of its first pixel.
std::int32_t EscapeColor(double e, int count, int firstCount, int paletteIndex);

} // namespace Render
