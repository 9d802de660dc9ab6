#pragma once

#include "render/Palette.h"

#include <array>

namespace Render {

// The palette list in its stored order; an entry's index selects its colours
// and its text names the film's folder.
inline constexpr std::array<const char*, PaletteCount> PaletteNames = {
    "Rainbow", "Grey", "Red", "Green", "Blue", "Cyan", "Magenta", "Yellow",
};

} // namespace Render
