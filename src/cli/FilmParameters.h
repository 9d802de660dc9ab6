#pragma once

#include <cstdint>

namespace Cli {

// What names a film: its four numbers, its palette and how its frames are
// drawn.
struct FilmParameters
{
    double eMin = 0;
    double eMax = 0;
    std::int32_t steps = 0;
    std::int32_t pixels = 0;
    int paletteIndex = 0;
    int supersample = 1; // n x n samples per pixel
    bool smooth = false; // continuous escape values
};

} // namespace Cli
