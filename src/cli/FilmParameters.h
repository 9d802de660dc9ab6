#pragma once

#include <cstdint>

namespace Cli {

// What names a film: its four numbers and its palette.
struct FilmParameters
{
    double eMin = 0;
    double eMax = 0;
    std::int32_t steps = 0;
    std::int32_t pixels = 0;
    int paletteIndex = 0;
};

} // namespace Cli
