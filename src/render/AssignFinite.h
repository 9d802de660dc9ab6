#pragma once

#include <cmath>

namespace Render {

// A computation that leaves the double range (overflow, invalid argument,
// division by zero) is abandoned: its target keeps the value it had.
inline void AssignFinite(double& target, double value)
{
    if (std::isfinite(value))
        target = value;
}

} // namespace Render
