#include "render/EscapeColor.h"

#include "render/EscapeCount.h"
#include "render/Palette.h"

#include <cmath>
#include <optional>

namespace Render {

namespace {

// The whiteness of a count, or none for a black pixel.
std::optional<double> CountWhiteness(int count, int firstCount)
{
    if (count >= NotEscaped) {
        return std::nullopt;
    }
    const double whiteness = double(count - firstCount) / double(MaxEscapeCount - firstCount);
    // Only frames whose radii cannot be computed (e within about 1/1022 of 1)
    // have a reference count that makes the whiteness negative or undefined;
    // painting those pixels black keeps such frames deterministic.
    if (!std::isfinite(whiteness) || whiteness < 0) {
        return std::nullopt;
    }
    return whiteness;
}

} // namespace

std::int32_t EscapeColor(double e, int count, int firstCount, int paletteIndex)
{
    const std::optional<double> whiteness = CountWhiteness(count, firstCount);
    return whiteness ? GetColor(e, *whiteness, paletteIndex) : 0;
}

std::int32_t SmoothEscapeColor(double e, int count, double continuous, int firstCount,
                               int paletteIndex)
{
    if (!CountWhiteness(count, firstCount)) {
        return 0;
    }
    // The continuous value reaches NotEscaped just as a point's count does.
    double whiteness = (continuous - firstCount) / double(NotEscaped - firstCount);
    if (!(whiteness >= 0)) {
        whiteness = 0;
    }
    return GetColor(e, std::min(whiteness, 1.0), paletteIndex);
}

} // namespace Render
