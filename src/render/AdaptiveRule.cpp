#include "AdaptiveRule.h"

#include "render/EscapeCount.h"

#include <algorithm>

namespace Render {

namespace {

// Counts further apart than this make an edge.
constexpr int CountGap = 2;

// out[r] = op(in[r - 1], in[r], in[r + 1]), a row outside the frame taken as
// the nearest row inside: the operations here give the same either way.
template<class Op>
void AcrossThree(const std::uint8_t* in, std::uint8_t* out, int pixels, Op op)
{
    if (pixels == 1) {
        out[0] = in[0];
        return;
    }
    out[0] = op(in[0], in[1]);
    for (int r = 1; r + 1 < pixels; ++r) {
        out[r] = op(op(in[r - 1], in[r]), in[r + 1]);
    }
    out[pixels - 1] = op(in[pixels - 2], in[pixels - 1]);
}

// Function objects rather than functions, so that the loops inline them.
constexpr auto Lowest = [](std::uint8_t a, std::uint8_t b) -> std::uint8_t {
    return a < b ? a : b;
};
constexpr auto Highest = [](std::uint8_t a, std::uint8_t b) -> std::uint8_t {
    return a > b ? a : b;
};
constexpr auto Either = [](std::uint8_t a, std::uint8_t b) -> std::uint8_t { return a | b; };

} // namespace

// Every step is a minimum, maximum or or over neighbours, so a column or row
// outside the frame may stand in for its nearest inside, and rows and
// columns are taken apart.
void FlagColumn(const std::uint8_t* counts, int pixels, int x, std::vector<std::uint8_t>& flags)
{
    const std::size_t rows = std::size_t(pixels);
    // For columns x - 2 to x + 2 and each row, over its 3 rows: the lowest
    // and highest count of the non-black pixels (255 and 0 when there are
    // none) and whether one is black.
    std::vector<std::uint8_t> scratch(rows * 19);
    std::uint8_t* low = scratch.data();
    std::uint8_t* high = low + 5 * rows;
    std::uint8_t* black = high + 5 * rows;
    std::uint8_t* in = black + 5 * rows;
    std::uint8_t* out = in + rows;
    std::uint8_t* setEdge = out + rows;
    for (int k = 0; k < 5; ++k) {
        const std::uint8_t* column = counts + std::clamp(x - 2 + k, 0, pixels - 1) * rows;
        for (std::size_t r = 0; r < rows; ++r) {
            in[r] = column[r] == NotEscaped ? 255 : column[r];
        }
        AcrossThree(in, low + k * rows, pixels, Lowest);
        for (std::size_t r = 0; r < rows; ++r) {
            in[r] = column[r] == NotEscaped ? 0 : column[r];
            black[k * rows + r] = column[r] == NotEscaped;
        }
        AcrossThree(in, high + k * rows, pixels, Highest);
        AcrossThree(black + k * rows, out, pixels, Either);
        std::copy(out, out + rows, black + k * rows);
    }
    // The 3 x 3 neighbourhoods of columns x - 1 to x + 1 (k = 1 to 3).
    std::fill(setEdge, setEdge + rows, 0);
    flags.assign(rows, 0);
    for (int k = 1; k <= 3; ++k) {
        const std::uint8_t* lows = low + (k - 1) * rows;
        const std::uint8_t* blacks = black + (k - 1) * rows;
        for (std::size_t r = 0; r < rows; ++r) {
            const std::uint8_t lowest = Lowest(Lowest(lows[r], lows[r + rows]), lows[r + 2 * rows]);
            const std::uint8_t anyBlack = blacks[r] | blacks[r + rows] | blacks[r + 2 * rows];
            setEdge[r] |= anyBlack & std::uint8_t(lowest != 255);
        }
    }
    std::uint8_t* flag = flags.data();
    for (std::size_t r = 0; r < rows; ++r) {
        const int lowest = Lowest(Lowest(low[r + rows], low[r + 2 * rows]), low[r + 3 * rows]);
        const int highest =
            Highest(Highest(high[r + rows], high[r + 2 * rows]), high[r + 3 * rows]);
        flag[r] = std::uint8_t(highest - lowest > CountGap);
    }
    AcrossThree(setEdge, out, pixels, Either);
    for (std::size_t r = 0; r < rows; ++r) {
        flag[r] |= out[r];
    }
}

} // namespace Render
