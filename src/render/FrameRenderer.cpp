#include "render/FrameRenderer.h"

#include "ColumnJob.h"
#include "PolarMapping.h"
#include "render/EscapeColor.h"
#include "render/EscapeCount.h"
#include "render/FrameValues.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <memory>
#include <thread>
#include <utility>

namespace Render {

struct FrameRender::State
{
    explicit State(const FrameRequest& request);

    static int ClaimColumn(void* context);
    static void FinishColumn(void* context, int x);
    void colorColumn(int x);
    void markFinished(int x);

    const FrameRequest request;
    const int pixels;
    PolarMapping mapping;
    std::vector<std::uint8_t> counts; // column-major
    std::vector<std::int32_t> colors; // column-major
    // The colour of a pixel depends only on its count once the first count
    // is known.
    std::array<std::int32_t, CountValues> colorOfCount{};
    std::unique_ptr<std::atomic<bool>[]> finished;
    std::atomic<int> nextColumn{1};
    std::atomic<bool> aborted{false};
    // Bumped after every finished column and on abort; waiters sleep on it.
    std::atomic<unsigned> progress{0};
    std::vector<std::jthread> workers; // last, so that they stop first
};

FrameRender::State::State(const FrameRequest& request)
    : request(request), pixels(std::max(request.pixels, 0)), counts(std::size_t(pixels) * pixels),
      colors(std::size_t(pixels) * pixels), finished(std::make_unique<std::atomic<bool>[]>(pixels))
{
    if (pixels == 0) {
        return;
    }
    const FrameValues values = ComputeFrameValues(request.e);
    const PathFunctions functions = FunctionsFor(request.path);
    mapping = MapPixels(values, pixels, functions.sinCos);

    ColumnJob job;
    job.e = request.e;
    job.bailout = values.bailout;
    job.pixels = pixels;
    job.rho = mapping.rho.data();
    job.theta = mapping.theta.data();
    job.cosTheta = mapping.cosTheta.data();
    job.sinTheta = mapping.sinTheta.data();
    job.counts = counts.data();

    // Every colour depends on the count of the first pixel (column 0, top
    // row), so column 0 is computed here, before the workers start.
    bool firstClaimed = false;
    ColumnJob first = job;
    first.claimColumn = [](void* context) {
        bool& claimed = *static_cast<bool*>(context);
        const bool wasClaimed = std::exchange(claimed, true);
        return wasClaimed ? -1 : 0;
    };
    first.finishColumn = [](void*, int) {};
    first.context = &firstClaimed;
    functions.iterate(first);
    for (int count = 0; count < CountValues; ++count) {
        colorOfCount[count] = EscapeColor(request.e, count, counts[0], request.paletteIndex);
    }
    colorColumn(0);
    markFinished(0);

    job.claimColumn = ClaimColumn;
    job.finishColumn = FinishColumn;
    job.context = this;
    const int cores = int(std::max(1u, std::thread::hardware_concurrency()));
    const int threads = std::min(request.threads > 0 ? request.threads : cores, pixels - 1);
    for (int k = 0; k < threads; ++k) {
        workers.emplace_back([job, iterate = functions.iterate, budget = request.budget] {
            if (budget == nullptr) {
                iterate(job);
                return;
            }
            budget->acquire();
            iterate(job);
            budget->release();
        });
    }
}

// One column at a time keeps the finished columns close to left-to-right
// order; the abort is looked at once per column.
int FrameRender::State::ClaimColumn(void* context)
{
    State& state = *static_cast<State*>(context);
    if (state.aborted.load(std::memory_order_relaxed)) {
        return -1;
    }
    const int x = state.nextColumn.fetch_add(1, std::memory_order_relaxed);
    return x < state.pixels ? x : -1;
}

void FrameRender::State::FinishColumn(void* context, int x)
{
    State& state = *static_cast<State*>(context);
    state.colorColumn(x);
    state.markFinished(x);
}

void FrameRender::State::colorColumn(int x)
{
    const std::size_t start = std::size_t(x) * pixels;
    for (std::size_t index = start; index < start + pixels; ++index) {
        colors[index] = colorOfCount[counts[index]];
    }
}

void FrameRender::State::markFinished(int x)
{
    finished[x].store(true);
    progress.fetch_add(1);
    progress.notify_all();
}

FrameRender::FrameRender(const FrameRequest& request) : m_state(std::make_unique<State>(request)) {}

FrameRender::~FrameRender()
{
    abort();
    m_state->workers.clear();
}

bool FrameRender::waitForColumn(int x)
{
    State& state = *m_state;
    if (x < 0 || x >= state.pixels) {
        return false;
    }
    for (;;) {
        const unsigned seen = state.progress.load();
        if (state.finished[x].load()) {
            return true;
        }
        if (state.aborted.load()) {
            return false;
        }
        state.progress.wait(seen);
    }
}

std::span<const std::int32_t> FrameRender::column(int x) const
{
    return {m_state->colors.data() + std::size_t(x) * m_state->pixels,
            std::size_t(m_state->pixels)};
}

std::span<const std::uint8_t> FrameRender::columnCounts(int x) const
{
    return {m_state->counts.data() + std::size_t(x) * m_state->pixels,
            std::size_t(m_state->pixels)};
}

int FrameRender::pixels() const
{
    return m_state->pixels;
}

bool FrameRender::allColumnsHandedOut() const
{
    return m_state->nextColumn.load(std::memory_order_relaxed) >= m_state->pixels;
}

void FrameRender::abort()
{
    m_state->aborted.store(true);
    m_state->progress.fetch_add(1);
    m_state->progress.notify_all();
}

} // namespace Render
