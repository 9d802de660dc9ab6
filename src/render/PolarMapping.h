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

} // namespace Render
