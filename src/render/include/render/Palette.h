#pragma once

#include <cstdint>

namespace Render {

// Number of entries of the palette list; an index outside 0..PaletteCount-1
// gives black.
inline constexpr int PaletteCount = 8;

// Packs channels 0..255 as red + 256 * green + 65536 * blue.
inline constexpr std::int32_t PackColor(int red, int green, int blue)
{
    return red + 256 * green + 65536 * blue;
}

// Colour of an escaping pixel from the hue (only its value modulo 3 counts)
// and the whiteness (0 saturated .. 1 white), which counts by its square
// root. Each channel is rounded down and held to 0..255.
std::int32_t GetColor(double hue, double whiteness, int paletteIndex);

} // namespace Render
