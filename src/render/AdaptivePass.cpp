// The adaptive frame's second pass: after its plain columns, the flagged
// pixels' samples, a column at a time.

#include "AdaptiveRule.h"
#include "FrameRenderState.h"

#include <algorithm>

namespace Render {

// The plain columns whose counts flag the pixels of column x, all finished.
bool FrameRender::State::plainColumnsAround(int x) const
{
    for (int column = std::max(x - 2, 0); column <= std::min(x + 2, pixels - 1); ++column) {
        if (!plainFinished[column].load()) {
            return false;
        }
    }
    return true;
}

// Columns in order again, each once the plain columns it is flagged from are
// finished (all of them handed out by now, so this wait is short).
int FrameRender::State::ClaimListed(void* context)
{
    State& state = *static_cast<State*>(context);
    const int x = state.nextListed.fetch_add(1);
    if (x >= state.pixels) {
        return -1;
    }
    for (;;) {
        const unsigned seen = state.progress.load();
        if (state.aborted.load()) {
            return -1;
        }
        if (state.plainColumnsAround(x)) {
            return x;
        }
        state.progress.wait(seen);
    }
}

// The samples of column x's flagged pixels, pixel after pixel, each in grid
// order; for odd n the middle one is the plain sample, already taken.
ColumnSamples FrameRender::State::ListedSamplesOf(void* context, int x)
{
    State& state = *static_cast<State*>(context);
    const int n = state.n;
    SampleBuffers::Lease lease = state.listedBuffers->take();
    std::vector<std::uint8_t> flags;
    FlagColumn(state.counts.data(), state.pixels, x, flags);
    int count = 0;
    for (int row = 0; row < state.pixels; ++row) {
        if (!flags[row]) {
            continue;
        }
        for (int sub = 0; sub < n; ++sub) {
            for (int k = 0; k < n; ++k) {
                if (n % 2 == 1 && sub == n / 2 && k == n / 2) {
                    continue;
                }
                lease.rows[count] = row * n + k;
                lease.columns[count] = x * n + sub;
                ++count;
            }
        }
    }
    lease.samples.rows = lease.rows;
    lease.samples.columns = lease.columns;
    lease.samples.count = count;
    state.listedLeases[x] = lease;
    return lease.samples;
}

void FrameRender::State::FinishListed(void* context, int x)
{
    State& state = *static_cast<State*>(context);
    const SampleBuffers::Lease& lease = state.listedLeases[x];
    state.coloring->colorListed(lease.samples, state.colors.data() + std::size_t(x) * state.pixels);
    state.listedBuffers->giveBack(lease.buffer);
    state.markFinished(x);
}

} // namespace Render
