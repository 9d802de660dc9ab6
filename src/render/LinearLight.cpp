#include "LinearLight.h"

#include "render/Palette.h"

#include <algorithm>
#include <array>

namespace Render {

namespace {

// x^(1/5) for x in (0, 1] by Newton's method from 1, which approaches the
// root from above; a fixed number of steps keeps it the same everywhere.
double FifthRoot(double x)
{
    double y = 1;
    for (int step = 0; step < 40; ++step) {
        const double y4 = (y * y) * (y * y);
        y = y - (y4 * y - x) / (5 * y4);
    }
    return y;
}

// The sRGB transfer curve from signal s (0..1) to linear light, with x^2.4
// as x^2 * (x^(1/5))^2 so that no library function is involved.
double SrgbToLinear(double s)
{
    if (s <= 0.04045) {
        return s / 12.92;
    }
    const double x = (s + 0.055) / 1.055;
    const double root = FifthRoot(x);
    return (x * x) * (root * root);
}

struct SrgbTables
{
    std::array<double, 256> linear{};
    // Where rounding goes up from level k to k + 1: the linear value of the
    // signal (k + 0.5) / 255.
    std::array<double, 255> upFrom{};
};

const SrgbTables& Tables()
{
    static const SrgbTables tables = [] {
        SrgbTables built;
        for (int level = 0; level < 256; ++level) {
            built.linear[level] = SrgbToLinear(level / 255.0);
        }
        for (int level = 0; level < 255; ++level) {
            built.upFrom[level] = SrgbToLinear((level + 0.5) / 255.0);
        }
        return built;
    }();
    return tables;
}

} // namespace

double DecodeSrgb(int level)
{
    return Tables().linear[level];
}

int EncodeSrgb(double linear)
{
    const auto& upFrom = Tables().upFrom;
    // A value exactly on a boundary rounds up, as halves do.
    return int(std::upper_bound(upFrom.begin(), upFrom.end(), linear) - upFrom.begin());
}

void LinearLightMean::add(std::int32_t color)
{
    m_red += DecodeSrgb(color & 0xFF);
    m_green += DecodeSrgb((color >> 8) & 0xFF);
    m_blue += DecodeSrgb((color >> 16) & 0xFF);
    ++m_count;
}

std::int32_t LinearLightMean::mean() const
{
    return PackColor(EncodeSrgb(m_red / m_count), EncodeSrgb(m_green / m_count),
                     EncodeSrgb(m_blue / m_count));
}

} // namespace Render
