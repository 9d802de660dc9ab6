#pragma once

#include <cstdint>

namespace Render {

// Colour of a pixel from its escape count (65: not escaped, black) and the
// frame's reference count, the count of its first pixel.
std::int32_t EscapeColor(double e, int count, int firstCount, int paletteIndex);

// The same from a continuous escape value (count .. count + 1) instead of the
// count: the whiteness runs without steps from 0 at the first count to 1
// after the last. Black exactly where EscapeColor gives black.
std::int32_t SmoothEscapeColor(double e, int count, double continuous, int firstCount,
                               int paletteIndex);

} // namespace Render
