#include "render/FrameRenderer.h"

#include "ColumnColoring.h"
#include "ColumnJob.h"
#include "PolarMapping.h"
#include "SampleBuffers.h"
#include "render/FrameValues.h"

#include <algorithm>
#include <atomic>
#include <memory>
#include <optional>
#include <system_error>
#include <thread>
#include <utility>

namespace Render {

struct FrameRender::State
{
    explicit State(const FrameRequest& request);

    // The steps of a render, in this order.
    ColumnJob sampleJob(const FrameValues& values) const;
    void keepSamples();
    void computeFirstColumn(ColumnJob job, ColumnIterator iterate);
    void startWorkers(const ColumnJob& job, ColumnIterator iterate);

    static int ClaimColumn(void* context);
    static ColumnSamples SamplesOf(void* context, int x);
    static void FinishColumn(void* context, int x);
    ColumnSamples columnSamples(int x);
    void markFinished(int x);

    const FrameRequest request;
    const int pixels;
    const int n;                      // samples per pixel across and down
    PolarMapping mapping;             // of the samples
    std::vector<std::uint8_t> counts; // column-major, one sample per pixel only
    std::vector<std::int32_t> colors; // column-major
    std::optional<ColumnColoring> coloring;
    std::optional<SampleBuffers> buffers;     // what counts and colors cannot hold
    std::vector<SampleBuffers::Lease> leases; // by column, while it is computed
    std::unique_ptr<std::atomic<bool>[]> finished;
    std::atomic<int> nextColumn{0};
    std::atomic<bool> aborted{false};
    // Bumped after every finished column and on abort; waiters sleep on it.
    std::atomic<unsigned> progress{0};
    int workersAsked = 0;
    std::vector<std::jthread> workers; // last, so that they stop first
};

namespace {

// The count of the frame's first pixel (column 0, top row), which every
// colour refers to, iterated alone on the path's own routine.
int FirstPixelCount(const ColumnJob& frameJob, const PolarMapping& pixels, ColumnIterator iterate)
{
    struct Single
    {
        bool claimed = false;
        std::uint8_t count = 0;
    } single;
    ColumnJob job = frameJob;
    job.pixels = 1;
    job.subColumns = 1;
    job.rho = pixels.rho.data();
    job.theta = pixels.theta.data();
    job.cosTheta = pixels.cosTheta.data();
    job.sinTheta = pixels.sinTheta.data();
    job.claimColumn = [](void* context) {
        return std::exchange(static_cast<Single*>(context)->claimed, true) ? -1 : 0;
    };
    job.samplesOf = [](void* context, int) {
        return ColumnSamples{&static_cast<Single*>(context)->count, nullptr};
    };
    job.finishColumn = [](void*, int) {};
    job.context = &single;
    iterate(job);
    return single.count;
}

} // namespace

FrameRender::State::State(const FrameRequest& request)
    : request(request), pixels(std::max(request.pixels, 0)),
      n(ColumnColoring::SamplesAcross(request)), colors(std::size_t(pixels) * pixels),
      finished(std::make_unique<std::atomic<bool>[]>(pixels))
{
    if (pixels == 0) {
        return;
    }
    const FrameValues values = ComputeFrameValues(request.e);
    const PathFunctions functions = FunctionsFor(request.path);
    const PolarMapping pixelMapping = MapPixels(values, pixels, functions.sinCos);
    mapping = n == 1 ? pixelMapping : MapSamples(values, pixels, n, functions.sinCos);
    ColumnJob job = sampleJob(values);
    const int firstCount = FirstPixelCount(job, pixelMapping, functions.iterate);
    coloring.emplace(request, values, firstCount, functions.logs);
    keepSamples();

    job.samplesOf = buffers ? SamplesOf : nullptr;
    job.counts = counts.data();
    job.finishColumn = FinishColumn;
    job.context = this;
    computeFirstColumn(job, functions.iterate);
    startWorkers(job, functions.iterate);
}

// The frame's samples, n x n per pixel, for the iteration.
ColumnJob FrameRender::State::sampleJob(const FrameValues& values) const
{
    ColumnJob job;
    job.e = request.e;
    job.bailout = values.bailout;
    job.pixels = pixels * n;
    job.subColumns = n;
    job.rho = mapping.rho.data();
    job.theta = mapping.theta.data();
    job.cosTheta = mapping.cosTheta.data();
    job.sinTheta = mapping.sinTheta.data();
    return job;
}

// Without supersampling a column's counts are the frame's own; samples
// beyond that are kept only while their column is computed.
void FrameRender::State::keepSamples()
{
    const std::size_t columnSamples = std::size_t(pixels) * n * n;
    if (n == 1) {
        counts.resize(std::size_t(pixels) * pixels);
    }
    if (n > 1 || coloring->needsModuli()) {
        buffers.emplace(n > 1 ? columnSamples : 0, coloring->needsModuli() ? columnSamples : 0);
        leases.resize(pixels);
    }
}

// Column 0 is whole before the workers start, whatever comes next.
void FrameRender::State::computeFirstColumn(ColumnJob job, ColumnIterator iterate)
{
    job.claimColumn = [](void* context) {
        State& state = *static_cast<State*>(context);
        return state.nextColumn.load() == 0 ? state.nextColumn.fetch_add(1) : -1;
    };
    iterate(job);
}

void FrameRender::State::startWorkers(const ColumnJob& frameJob, ColumnIterator iterate)
{
    ColumnJob job = frameJob;
    job.claimColumn = ClaimColumn;
    const int cores = int(std::max(1u, std::thread::hardware_concurrency()));
    workersAsked = std::max(std::min(request.threads > 0 ? request.threads : cores, pixels - 1), 0);
    try {
        for (int k = 0; k < workersAsked; ++k) {
            workers.emplace_back([job, iterate, budget = request.budget] {
                if (budget == nullptr) {
                    iterate(job);
                    return;
                }
                budget->acquire();
                iterate(job);
                budget->release();
            });
        }
    } catch (const std::system_error&) {
        // The system allows no more threads (a process limit): the workers
        // that started share the columns, which gives the same frame.
    }
    if (workers.empty() && workersAsked > 0) {
        // Not even one: the columns are computed here, before returning.
        iterate(job);
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

// A column is claimed, computed and finished by one worker, which alone
// touches its lease.
ColumnSamples FrameRender::State::SamplesOf(void* context, int x)
{
    State& state = *static_cast<State*>(context);
    state.leases[x] = state.buffers->take();
    return state.columnSamples(x);
}

ColumnSamples FrameRender::State::columnSamples(int x)
{
    ColumnSamples samples = buffers ? leases[x].samples : ColumnSamples{};
    if (n == 1) {
        samples.counts = counts.data() + std::size_t(x) * pixels;
    }
    return samples;
}

void FrameRender::State::FinishColumn(void* context, int x)
{
    State& state = *static_cast<State*>(context);
    state.coloring->colorColumn(state.columnSamples(x),
                                state.colors.data() + std::size_t(x) * state.pixels);
    if (state.buffers) {
        state.buffers->giveBack(state.leases[x].buffer);
    }
    state.markFinished(x);
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
    if (m_state->counts.empty()) {
        return {};
    }
    return {m_state->counts.data() + std::size_t(x) * m_state->pixels,
            std::size_t(m_state->pixels)};
}

int FrameRender::pixels() const
{
    return m_state->pixels;
}

int FrameRender::workers() const
{
    return int(m_state->workers.size());
}

int FrameRender::workersAsked() const
{
    return m_state->workersAsked;
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
