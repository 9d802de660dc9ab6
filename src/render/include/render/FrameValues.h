#pragma once

namespace Film {

// The constant the pictures are defined with (fifteen significant digits).
inline constexpr double Pi = 3.14159265358979;

// Per-frame values of the polar picture for one exponent.
struct FrameValues
{
    double dblThetaMax = 0; // angle span, right edge
    double dblRhoMin = 0;   // inner radius, bottom row
    double dblRhoMax = 0;   // outer radius, top row
    double dblBailout = 0;  // escape modulus
};

// A value that cannot be computed (overflow, invalid argument) stays 0.
FrameValues ComputeFrameValues(double e);

} // namespace Film
