#pragma once

#include <cstdint>

namespace Film {

// Whether two frames of the film would be named alike (their exponents
// rounded to the same three decimals), so that the later frame's file would
// replace the earlier one. Exact for every film the parameter rules let
// through, and quick: only a film of tens of millions of frames lying exactly
// 0.001 apart on the halves is too long to look at, and counts as sharing.
bool FramesShareNames(double eMin, double eMax, std::int32_t steps);

} // namespace Film
