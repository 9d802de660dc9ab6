#pragma once

#include "ColumnJob.h"
#include "render/FrameValues.h"

#include <vector>

namespace Render {

// Radius of every row and angle of every column of a frame: the bottom row on
// the inner radius, the top row on the outer one, the left column on angle 0
// and the right column on the angle span, with no half-pixel offsets.
struct PolarMapping
{
    std::vector<double> rho;   // by row, row 0 at the top
    std::vector<double> theta; // by column
    std::vector<double> cosTheta;
    std::vector<double> sinTheta;
};

PolarMapping MapPixels(const FrameValues& values, int pixels, SinCos sinCos);

// The same for n x n samples per pixel, spread evenly over its footprint (one
// column spacing wide, one row spacing high, centred on the pixel): n rows
// per pixel row and n columns per pixel column, a pixel's own rows and
// columns top first and left first. For odd n the middle sample is the
// pixel's own point; n = 1 is MapPixels.
PolarMapping MapSamples(const FrameValues& values, int pixels, int n, SinCos sinCos);

} // namespace Render
