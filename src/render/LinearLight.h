#pragma once

#include <cstdint>

namespace Render {

// Averages packed colours as light adds up: each channel decoded from sRGB to
// linear intensity, summed in the order added, divided by the number of
// colours, and encoded back to the nearest sRGB level. Plain IEEE arithmetic
// and tables built with it, so the same colours give the same bits on every
// processor.
class LinearLightMean
{
public:
    void add(std::int32_t color);
    std::int32_t mean() const;

private:
    double m_red = 0;
    double m_green = 0;
    double m_blue = 0;
    int m_count = 0;
};

// Linear intensity (0..1) of an sRGB channel level 0..255.
double DecodeSrgb(int level);

// The sRGB level 0..255 nearest to a linear intensity.
int EncodeSrgb(double linear);

} // namespace Render
