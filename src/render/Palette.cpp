#include "render/Palette.h"

#include <cmath>

namespace Render {

namespace {

// floor(intensity * 255), held to one byte so that a whiteness above 1 cannot
// carry into the neighbouring channel; NaN (no square root) counts as 0.
int Channel(double intensity)
{
    const double value = std::floor(intensity * 255);
    if (!(value > 0)) {
        return 0;
    }
    if (value >= 255) {
        return 255;
    }
    return static_cast<int>(value);
}

} // namespace

std::int32_t GetColor(double hue, double whiteness, int paletteIndex)
{
    const double h = hue - 3 * std::floor(hue / 3);
    const double w = std::sqrt(whiteness);

    double R = 0;
    double G = 0;
    double B = 0;
    switch (paletteIndex) {
    case 0: // Rainbow: each piece blends a hue towards white
        if (h < 1) {
            R = w;
            G = (1 - w) * (1 - h) + w;
            B = (1 - w) * h + w;
        } else if (h <= 2) {
            R = (1 - w) * (h - 1) + w;
            G = w;
            B = (1 - w) * (2 - h) + w;
        } else {
            R = (1 - w) * (3 - h) + w;
            G = (1 - w) * (h - 2) + w;
            B = w;
        }
        break;
    case 1: // Grey
        R = (w + w + 1) / 3;
        G = R;
        B = R;
        break;
    case 2: // Red
        R = 1;
        G = w;
        B = w;
        break;
    case 3: // Green
        R = w;
        G = 1;
        B = w;
        break;
    case 4: // Blue
        R = w;
        G = w;
        B = 1;
        break;
    case 5: // Cyan
        R = w;
        G = (w + 1) / 2;
        B = (w + 1) / 2;
        break;
    case 6: // Magenta
        R = (w + 1) / 2;
        G = w;
        B = (w + 1) / 2;
        break;
    case 7: // Yellow
        R = (w + 1) / 2;
        G = (w + 1) / 2;
        B = w;
        break;
    default: // no palette selected: black
        break;
    }
    return PackColor(Channel(R), Channel(G), Channel(B));
}

} // namespace Render
