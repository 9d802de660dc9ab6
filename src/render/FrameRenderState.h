#pragma once

#include "ColumnColoring.h"
#include "ColumnJob.h"
#include "PolarMapping.h"
#include "SampleBuffers.h"
#include "render/FrameRenderer.h"
#include "render/FrameValues.h"

#include <atomic>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

namespace Render {

// What a frame render's workers share: its passes' jobs call back into it.
struct FrameRender::State : WorkerBudget::Work
{
    explicit State(const FrameRequest& request);

    // A worker's part: plain columns, then an adaptive frame's flagged
    // samples, until none is left to take.
    void run() override;

    // The steps of a render, in this order.
    ColumnJob sampleJob(const PolarMapping& mapping, int samplesAcross,
                        const FrameValues& values) const;
    void keepSamples();
    ColumnJob listedJob(const FrameValues& values);

    static int ClaimColumn(void* context);
    static ColumnSamples SamplesOf(void* context, int x);
    static void FinishColumn(void* context, int x);
    static int ClaimListed(void* context);
    static ColumnSamples ListedSamplesOf(void* context, int x);
    static void FinishListed(void* context, int x);
    ColumnSamples columnSamples(int x);
    bool plainColumnsAround(int x) const;
    void markFinished(int x);
    void notifyProgress();

    const FrameRequest request;
    const int pixels;
    const int n;         // samples per pixel across and down
    const bool adaptive; // first one sample per pixel, then n x n where flagged
    const int gridN;     // samples across per pixel in a column's grid: 1 if adaptive
    PolarMapping pixelMapping;
    PolarMapping sampleMapping;       // n x n per pixel, if n > 1
    std::vector<std::uint8_t> counts; // column-major, one sample per pixel only
    std::vector<std::int32_t> colors; // column-major
    std::optional<ColumnColoring> coloring;
    std::optional<SampleBuffers> buffers;     // what counts and colors cannot hold
    std::vector<SampleBuffers::Lease> leases; // by column, while it is computed
    // An adaptive frame's flagged samples, column by column after its plain
    // columns, in leases of their own.
    std::optional<SampleBuffers> listedBuffers;
    std::vector<SampleBuffers::Lease> listedLeases;
    std::unique_ptr<std::atomic<bool>[]> finished;
    std::unique_ptr<std::atomic<bool>[]> plainFinished; // adaptive only
    std::atomic<int> nextColumn{0};
    std::atomic<int> nextListed{0};
    std::atomic<bool> aborted{false};
    // Bumped after every finished column and on abort; waiters sleep on it.
    std::atomic<unsigned> progress{0};
    ColumnJob job;    // the plain columns, or the whole grid's
    ColumnJob listed; // adaptive only
    ColumnIterator iterate = nullptr;
    std::unique_ptr<WorkerBudget> ownBudget; // without a shared one
    WorkerBudget* budget = nullptr;
};

} // namespace Render
