#pragma once

#include "render/WorkerBudget.h"

#include <cstdint>
#include <memory>
#include <span>
#include <vector>

namespace Render {

// Which implementation iterates the pixels. Fast picks the widest vector
// unit the processor has (the reference when it lacks FMA, or on a processor
// without a vector width here); the forced widths exist for tests and
// benchmarks. Every fast width gives the same bits on x86-64 and AArch64.
enum class MathPath
{
    Reference,
    Fast,
    FastScalar,
    FastAvx2,
    FastAvx512,
    FastAdvSimd,
};

bool IsAvailable(MathPath path);

struct FrameRequest
{
    double e = 2;
    int pixels = 0; // frame width and height
    int paletteIndex = 0;
    int threads = 0; // 0: one per core; with a budget, the budget's
    MathPath path = MathPath::Fast;
    // The workers shared with the frames before and after this one; none: a
    // budget of this frame's own, of threads workers.
    WorkerBudget* budget = nullptr;
    // n x n samples per pixel (1 to MaxSupersample), averaged in linear light.
    int supersample = 1;
    // Colours from a continuous escape value instead of the whole count.
    bool smooth = false;
    // With supersample >= 2: only the pixels that the plain frame shows near
    // an edge get their n x n samples (the same pixels as the full frame's);
    // the others keep their plain colour.
    bool adaptive = false;
};

inline constexpr int MaxSupersample = 8;

// Renders one frame on worker threads. Columns are handed out to the workers
// and may finish in any order; the caller takes them strictly from left to
// right. The constructor computes the first pixel's count, which every colour
// depends on, and hands the columns to the workers: column 0 too is theirs,
// within the budget. Destroying the object stops the workers in it.
class FrameRender
{
public:
    explicit FrameRender(const FrameRequest& request);
    ~FrameRender();
    FrameRender(const FrameRender&) = delete;
    FrameRender& operator=(const FrameRender&) = delete;

    // Blocks until column x is finished; false when the render was aborted
    // before it was (or x is outside the frame).
    bool waitForColumn(int x);

    // Packed colours (red + 256 * green + 65536 * blue) of column x, top row
    // first. Valid once waitForColumn(x) returned true.
    std::span<const std::int32_t> column(int x) const;

    // Escape counts (0..65) of column x in the same order, valid likewise;
    // empty for a supersampled frame, whose pixels have many.
    std::span<const std::uint8_t> columnCounts(int x) const;

    int pixels() const;

    // The worker threads running and those asked for (the budget's); fewer
    // run when the system allows no more threads (none: the constructor
    // computed every column itself).
    int workers() const;
    int workersAsked() const;

    // Whether every column has gone to a worker: the cores that find none
    // left may start on the next frame.
    bool allColumnsHandedOut() const;

    // Stops the workers after the columns they are on.
    void abort();

private:
    struct State;
    std::unique_ptr<State> m_state;
};

} // namespace Render
