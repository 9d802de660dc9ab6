#pragma once

#include "film/FilmParameters.h"

#include <cstdint>

namespace Film {

// 10^decimals, exactly: the units of the names' last decimal in one.
double NameUnits(int decimals);

// Whether two frames of the film would be named alike (their exponents
// rounded to the same number of decimals), so that the later frame's file
// would replace the earlier one. Exact for every film the parameter rules let
// through, and quick: only a film of tens of millions of frames lying exactly
// one unit of the last decimal apart on the halves is too long to look at,
// and counts as sharing.
bool FramesShareNames(double eMin, double eMax, std::int32_t steps, int decimals = DefaultDecimals);

} // namespace Film
