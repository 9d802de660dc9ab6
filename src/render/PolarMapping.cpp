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

// Where sample k of n lies from its pixel's centre, in pixel spacings:
// (2k - (n - 1)) / 2n, exactly 0 for the middle one of odd n.
double SampleOffset(int k, int n)
{
    return double(2 * k - (n - 1)) / double(2 * n);
}

} // namespace

PolarMapping MapPixels(const FrameValues& values, int pixels, SinCos sinCos)
{
    return MapSamples(values, pixels, 1, sinCos);
}

PolarMapping MapSamples(const FrameValues& values, int pixels, int n, SinCos sinCos)
{
    const std::size_t samples = std::size_t(pixels) * n;
    PolarMapping mapping;
    mapping.rho.resize(samples);
    mapping.theta.resize(samples);
    mapping.cosTheta.resize(samples);
    mapping.sinTheta.resize(samples);
    for (std::size_t row = 0; row < samples; ++row) {
        // Rows run downwards, radii upwards: a pixel's first row is its highest.
        const double y = (pixels - 1 - int(row / n)) + SampleOffset(n - 1 - int(row % n), n);
        mapping.rho[row] =
            FiniteOrZero(((values.rhoMax - values.rhoMin) * y) / (pixels - 1) + values.rhoMin);
    }
    for (std::size_t column = 0; column < samples; ++column) {
        const double x = int(column / n) + SampleOffset(int(column % n), n);
        mapping.theta[column] = FiniteOrZero((x * values.thetaMax) / (pixels - 1));
        sinCos(mapping.theta[column], mapping.sinTheta[column], mapping.cosTheta[column]);
    }
    return mapping;
}

} // namespace Render
