#include "film/SharedFrameNames.h"

#include "film/FrameNaming.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

namespace Film {

namespace {

// The number a frame's name shows, in units of its last decimal: e x 10^D
// rounded to the nearest, a half away from zero, as the names are written.
// Exact: e is m 2^q with m below 2^53 and 5^9 is below 2^21, so m 5^D fits
// in 128 bits. A whole e of 2^53 or more shows itself and stands for its
// name as it is.
using NamedNumber = std::pair<double, unsigned __int128>;

NamedNumber Named(double e, int decimals)
{
    if (e >= 0x1p53)
        return {e, 0};
    int exponent = 0;
    const auto mantissa = static_cast<std::uint64_t>(std::ldexp(std::frexp(e, &exponent), 53));
    unsigned __int128 units = mantissa;
    for (int i = 0; i < decimals; ++i)
        units *= 5;
    // e 10^D = mantissa 5^D 2^shift.
    const int shift = exponent - 53 + decimals;
    if (shift >= 0)
        return {0, units << shift};
    // Below a half of the last unit (units stays under 2^75).
    if (-shift > 76)
        return {0, 0};
    return {0, (units + (static_cast<unsigned __int128>(1) << (-shift - 1))) >> -shift};
}

// Beyond this many frames the names are not compared one by one.
constexpr std::int64_t LongestComparedFilm = std::int64_t(1) << 26;

} // namespace

double NameUnits(int decimals)
{
    double units = 1;
    for (int i = 0; i < decimals; ++i)
        units *= 10;
    return units;
}

bool FramesShareNames(double eMin, double eMax, std::int32_t steps, int decimals)
{
    if (steps < 1)
        return false;
    const double scale = NameUnits(decimals);
    const double span = eMax - eMin;
    const double largest = std::max({std::abs(eMin), std::abs(eMax), std::abs(span)});
    // Each exponent lies within two units in the last place of the largest
    // of its exact value; twice that keeps a margin.
    const double error = 4 * (std::nextafter(largest, HUGE_VAL) - largest);
    // The exponents only grow, so only neighbours can share a name, and
    // neighbours more than one unit of the last decimal apart never do.
    if (span / steps - 2 * error > (1 / scale) * (1 + 1e-9))
        return false;
    // Neighbours about one unit apart move e x 10^D by about one: two names
    // meet only where it comes near a half, and it keeps about the distance
    // from a half that it starts with, give or take the drift.
    const long double start = static_cast<long double>(eMin) * scale;
    const long double fromHalf = std::abs(start - std::floor(start) - 0.5L);
    const long double drift =
        std::abs(static_cast<long double>(span) * scale - steps) + scale * error;
    if (fromHalf > 4 * drift + 1e-12L)
        return false;
    if (steps > LongestComparedFilm)
        return true;
    NamedNumber previous = Named(FrameExponent(eMin, eMax, steps, 0), decimals);
    for (std::int64_t k = 1; k <= steps; ++k) {
        const NamedNumber named = Named(FrameExponent(eMin, eMax, steps, k), decimals);
        if (named == previous)
            return true;
        previous = named;
    }
    return false;
}

} // namespace Film
