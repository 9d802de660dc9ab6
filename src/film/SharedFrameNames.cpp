#include "film/SharedFrameNames.h"

#include "film/FrameNaming.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace Film {

namespace {

// 1000 e of a double needs at most 60 bits: exact in this type.
static_assert(std::numeric_limits<long double>::digits >= 60);

// The number a frame's name shows, in thousandths: the nearest, a half away
// from zero, as the names are written.
long double NamedThousandths(std::int64_t k, double eMin, double eMax, std::int32_t steps)
{
    return std::round(
        static_cast<long double>(RenderedExponent(FrameExponent(eMin, eMax, steps, k))) * 1000);
}

// Beyond this many frames the names are not compared one by one.
constexpr std::int64_t LongestComparedFilm = std::int64_t(1) << 26;

} // namespace

bool FramesShareNames(double eMin, double eMax, std::int32_t steps)
{
    if (steps < 1)
        return false;
    const double span = eMax - eMin;
    const double largest = std::max({std::abs(eMin), std::abs(eMax), std::abs(span)});
    // Each exponent lies within two units in the last place of the largest
    // of its exact value; twice that keeps a margin.
    const double error = 4 * (std::nextafter(largest, HUGE_VAL) - largest);
    // The exponents only grow, so only neighbours can share a name, and
    // neighbours more than 0.001 apart never do.
    if (span / steps - 2 * error > 0.001 * (1 + 1e-9))
        return false;
    // Neighbours about 0.001 apart move 1000 e by about one: two names meet
    // only where 1000 e comes near a half, and it keeps about the distance
    // from a half that it starts with, give or take the drift.
    const long double start = static_cast<long double>(eMin) * 1000;
    const long double fromHalf = std::abs(start - std::floor(start) - 0.5L);
    const long double drift =
        std::abs(static_cast<long double>(span) * 1000 - steps) + 1000.0L * error;
    if (fromHalf > 4 * drift + 1e-12L)
        return false;
    if (steps > LongestComparedFilm)
        return true;
    long double previous = NamedThousandths(0, eMin, eMax, steps);
    for (std::int64_t k = 1; k <= steps; ++k) {
        const long double named = NamedThousandths(k, eMin, eMax, steps);
        if (named == previous)
            return true;
        previous = named;
    }
    return false;
}

} // namespace Film
