#pragma once

namespace Render {

// The constant the pictures are defined with (fifteen significant digits).
inline constexpr double Pi = 3.14159265358979;

// Per-frame values of the polar picture for one exponent.
struct FrameValues
{
    double thetaMax = 0; // angle span, right edge
    double rhoMin = 0;   // inner radius, bottom row
    double rhoMax = 0;   // outer radius, top row
    double bailout = 0;  // escape modulus
};

// A value that cannot be computed (overflow, invalid argument) stays 0.
FrameValues ComputeFrameValues(double e);

} // namespace Render
