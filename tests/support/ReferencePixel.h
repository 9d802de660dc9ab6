#pragma once

// One pixel at a time on the reference path (which needs the angle only),
// for the renderer's tests and the benchmarks' baseline.
namespace Render {

// Escape count (0..65, 65 = not escaped) of the point at radius rho and
// angle theta, with the C library's functions.
int IterateReference(double e, double bailout, double rho, double theta);

} // namespace Render
