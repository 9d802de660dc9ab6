#include "PolarMapping.h"

#include <cmath>

namespace Render {

namespace {

// A radius or angle that cannot be computed (the huge outer radius just above
// e = 1 overflows, a frame of one pixel divides by zero) keeps its start, 0.
double FiniteOrZero(double value)
{
    return std::isfinite(value) ? value : 0;
}

} // namespace

PolarMapping MapPixels(const FrameValues& values, int pixels, SinCos sinCos)
{
    PolarMapping mapping;
    mapping.rho.resize(pixels);
    mapping.theta.resize(pixels);
    mapping.cosTheta.resize(pixels);
    mapping.sinTheta.resize(pixels);
    for (int row = 0; row < pixels; ++row) {
        const int y = pixels - 1 - row;
        mapping.rho[row] =
            FiniteOrZero(((values.rhoMax - values.rhoMin) * y) / (pixels - 1) + values.rhoMin);
    }
    for (int x = 0; x < pixels; ++x) {
        mapping.theta[x] = FiniteOrZero((x * values.thetaMax) / (pixels - 1));
        sinCos(mapping.theta[x], mapping.sinTheta[x], mapping.cosTheta[x]);
    }
    return mapping;
}

} // namespace Render
