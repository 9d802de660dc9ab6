#include "render/FrameRenderer.h"

#include "FrameRenderState.h"
#include "render/FrameValues.h"

#include <algorithm>
#include <atomic>
#include <memory>
#include <optional>
#include <utility>

namespace Render {

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
      n(ColumnColoring::SamplesAcross(request)), adaptive(request.adaptive && n > 1),
      gridN(adaptive ? 1 : n), colors(std::size_t(pixels) * pixels),
      finished(std::make_unique<std::atomic<bool>[]>(pixels)),
      plainFinished(adaptive ? std::make_unique<std::atomic<bool>[]>(pixels) : nullptr)
{
    if (pixels == 0) {
        return;
    }
    const FrameValues values = ComputeFrameValues(request.e);
    const PathFunctions functions = FunctionsFor(request.path);
    pixelMapping = MapPixels(values, pixels, functions.sinCos);
    if (n > 1) {
        sampleMapping = MapSamples(values, pixels, n, functions.sinCos);
    }
    job = sampleJob(gridN == 1 ? pixelMapping : sampleMapping, gridN, values);
    const int firstCount = FirstPixelCount(job, pixelMapping, functions.iterate);
    coloring.emplace(request, values, firstCount, functions.logs,
                     (n > 1 ? sampleMapping : pixelMapping).rho.data());
    keepSamples();

    job.samplesOf = buffers ? SamplesOf : nullptr;
    job.counts = counts.data();
    job.claimColumn = ClaimColumn;
    job.finishColumn = FinishColumn;
    job.context = this;
    if (adaptive) {
        listed = listedJob(values);
    }
    iterate = functions.iterate;
}

// A worker takes the flagged samples once no plain column is left: its lanes
// then wait on nothing but other workers' plain columns.
void FrameRender::State::run()
{
    iterate(job);
    if (adaptive) {
        iterate(listed);
    }
}

// A job over the samples of a mapping, n per pixel across and down.
ColumnJob FrameRender::State::sampleJob(const PolarMapping& mapping, int samplesAcross,
                                        const FrameValues& values) const
{
    ColumnJob samples;
    samples.e = request.e;
    samples.bailout = values.bailout;
    samples.pixels = pixels * samplesAcross;
    samples.subColumns = samplesAcross;
    samples.rho = mapping.rho.data();
    samples.theta = mapping.theta.data();
    samples.cosTheta = mapping.cosTheta.data();
    samples.sinTheta = mapping.sinTheta.data();
    return samples;
}

// With one sample per pixel a column's counts are the frame's own; samples
// beyond that are kept only while their column is computed.
void FrameRender::State::keepSamples()
{
    const std::size_t columnSamples = std::size_t(pixels) * gridN * gridN;
    const bool moduli = coloring->needsModuli();
    if (gridN == 1) {
        counts.resize(std::size_t(pixels) * pixels);
    }
    if (gridN > 1 || moduli) {
        buffers.emplace(gridN > 1 ? columnSamples : 0, moduli ? columnSamples : 0);
        leases.resize(pixels);
    }
}

// An adaptive frame's flagged samples, listed column by column, with leases
// of their own.
ColumnJob FrameRender::State::listedJob(const FrameValues& values)
{
    ColumnJob flagged = sampleJob(sampleMapping, n, values);
    flagged.claimColumn = ClaimListed;
    flagged.samplesOf = ListedSamplesOf;
    flagged.finishColumn = FinishListed;
    flagged.context = this;
    const std::size_t most = std::size_t(pixels) * coloring->listedPerPixel();
    listedBuffers.emplace(most, coloring->needsModuli() ? most : 0, most);
    listedLeases.resize(pixels);
    return flagged;
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
    if (gridN == 1) {
        samples.counts = counts.data() + std::size_t(x) * pixels;
    }
    return samples;
}

void FrameRender::State::FinishColumn(void* context, int x)
{
    State& state = *static_cast<State*>(context);
    std::int32_t* colors = state.colors.data() + std::size_t(x) * state.pixels;
    if (state.adaptive) {
        state.coloring->colorPlain(state.columnSamples(x), colors);
    } else {
        state.coloring->colorColumn(state.columnSamples(x), colors);
    }
    if (state.buffers) {
        state.buffers->giveBack(state.leases[x].buffer);
    }
    if (state.adaptive) {
        state.plainFinished[x].store(true);
        state.notifyProgress();
    } else {
        state.markFinished(x);
    }
}

void FrameRender::State::markFinished(int x)
{
    finished[x].store(true);
    notifyProgress();
}

void FrameRender::State::notifyProgress()
{
    progress.fetch_add(1);
    progress.notify_all();
}

FrameRender::FrameRender(const FrameRequest& request) : m_state(std::make_unique<State>(request))
{
    State& state = *m_state;
    if (state.pixels == 0) {
        return;
    }
    state.budget = request.budget;
    if (state.budget == nullptr) {
        // More workers than columns would have nothing to do.
        state.ownBudget = std::make_unique<WorkerBudget>(
            std::min(request.threads > 0 ? request.threads : WorkerBudget::Cores(), state.pixels));
        state.budget = state.ownBudget.get();
    }
    state.budget->add(state);
    if (state.budget->workers() == 0) {
        // Not even one: the columns are computed here, before returning.
        state.run();
    }
}

FrameRender::~FrameRender()
{
    abort();
    if (m_state->budget != nullptr) {
        m_state->budget->remove(*m_state);
    }
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
    if (m_state->n > 1 || m_state->counts.empty()) {
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
    return m_state->budget != nullptr ? m_state->budget->workers() : 0;
}

int FrameRender::workersAsked() const
{
    return m_state->budget != nullptr ? m_state->budget->workersAsked() : 0;
}

bool FrameRender::allColumnsHandedOut() const
{
    const std::atomic<int>& next = m_state->adaptive ? m_state->nextListed : m_state->nextColumn;
    return next.load(std::memory_order_relaxed) >= m_state->pixels;
}

void FrameRender::abort()
{
    m_state->aborted.store(true);
    m_state->notifyProgress();
}

} // namespace Render
