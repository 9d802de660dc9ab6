#pragma once

#include <cstdint>
#include <vector>

namespace Render {

// Which pixels an adaptive frame supersamples, decided from its plain counts
// alone: a pixel whose 3 x 3 neighbourhood holds counts more than 2 apart,
// or that lies within one pixel of the set's edge, where a 3 x 3
// neighbourhood holds black and non-black pixels. Measured against the area
// average, widening the colour steps between counts as well costs a quarter
// more samples for little. Counts are column-major (x * pixels + row); the
// flags of column x (1: flagged) read columns x - 2 to x + 2, clipped at the
// frame's border.
void FlagColumn(const std::uint8_t* counts, int pixels, int x, std::vector<std::uint8_t>& flags);

} // namespace Render
