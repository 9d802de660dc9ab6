#include "render/EscapeColor.h"

#include "render/EscapeCount.h"
#include "render/Palette.h"

#include <cmath>

namespace Render {

std::int32_t EscapeColor(double e, int count, int firstCount, int paletteIndex)
{
    if (count >= NotEscaped) {
        return 0;
    }
    double whiteness = double(count - firstCount) / double(MaxEscapeCount - firstCount);
    // Only frames whose radii cannot be computed (e within about 1/1022 of 1)
    // have a reference count that makes the whiteness negative or undefined;
    // painting those pixels black keeps such frames deterministic.
    if (!std::isfinite(whiteness) || whiteness < 0) {
        return 0;
    }
    return GetColor(e, whiteness, paletteIndex);
}

} // namespace Render
