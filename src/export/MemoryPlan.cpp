#include "export/MemoryPlan.h"

#include "export/VideoSize.h"

#include <algorithm>

namespace Export {

namespace {

constexpr qint64 Megabyte = 1024 * 1024;
constexpr qint64 Gigabyte = 1024 * Megabyte;
// The program with its libraries, before any picture.
constexpr qint64 ProgramBytes = 64 * Megabyte;

// What an encoder holds, in bytes per pixel of the video: measured at
// 2048 x 2048, the leanest raised to the peaks of whole exports at
// 8192 x 8192 (the README has them). x264 keeps each picture with its
// half-pixel planes and a quarter-size copy, a frame thread a picture of its
// own; threads that share a picture keep only a few rows each.
struct EncoderMemory
{
    double leanest;        // one thread, no look-ahead
    double perFrameThread; // a thread coding a picture of its own
    double perSliceThread; // a thread coding a share of one picture
    double perLookahead;   // a picture looked ahead
    int usualLookahead;    // the encoder's own (x264's medium preset, libvpx's lag)
    bool threaded;         // whether export lets it take more than one thread
};

constexpr EncoderMemory H264Memory{46, 16, 3, 3.5, 40, true};
constexpr EncoderMemory Vp9Memory{74, 0, 0, 2, 25, false};
// The GIF encoder keeps the last picture and its compressed copy.
constexpr EncoderMemory GifMemory{3, 0, 0, 0, 0, false};

const EncoderMemory& MemoryOf(VideoKind kind)
{
    return kind == VideoKind::Mp4 ? H264Memory : kind == VideoKind::WebM ? Vp9Memory : GifMemory;
}

// x264's own number of threads: one and a half per core, at most one per
// two rows of blocks.
int UsualThreads(QSize videoSize, int cores)
{
    return std::clamp(cores * 3 / 2, 1, std::clamp((videoSize.height() + 15) / 16 / 2, 1, 128));
}

// Export's own pictures: the frame read (32 bits a pixel); when scaled, its
// 24-bit copy and the scaler's pictures (a shrink goes through 16-bit
// linear light); the 4:2:0 or palette picture and what leads to it.
qint64 OwnBytes(VideoKind kind, QSize frameSize, QSize videoSize)
{
    const double frame = double(frameSize.width()) * frameSize.height();
    const double video = double(videoSize.width()) * videoSize.height();
    const bool scaled = VideoSizeFor(kind, frameSize) != videoSize;
    double bytes = 4 * frame;
    if (scaled)
        bytes += video < frame ? 9 * frame + 15 * video : 3 * frame + 3 * video;
    if (FactsOf(kind).fourTwoZero)
        bytes += 1.5 * video + (scaled ? 0 : 7 * video);
    else
        bytes += 22 * video; // the 32-bit picture, a chosen palette's filters
    return ProgramBytes + qint64(bytes);
}

} // namespace

qint64 ExportBudget(qint64 leanest, qint64 available)
{
    const qint64 wanted = std::max(Gigabyte, leanest);
    return available > 0 ? std::min(wanted, available) : wanted;
}

MemoryPlan PlanMemory(VideoKind kind, QSize frameSize, QSize videoSize, int cores, qint64 available)
{
    const EncoderMemory& memory = MemoryOf(kind);
    const double pixels = double(videoSize.width()) * videoSize.height();
    const qint64 own = OwnBytes(kind, frameSize, videoSize);
    const auto bytes = [&](double perPixel) { return own + qint64(perPixel * pixels); };
    MemoryPlan plan;
    plan.leanest = bytes(memory.leanest);
    plan.budget = ExportBudget(plan.leanest, available);
    const int usualThreads = memory.threaded ? UsualThreads(videoSize, cores) : 1;
    plan.encoder.usualThreads = usualThreads;
    plan.bytes = bytes(memory.leanest + memory.perFrameThread * (usualThreads - 1) +
                       memory.perLookahead * memory.usualLookahead);
    if (plan.bytes <= plan.budget || !plan.fits())
        return plan;
    // Threads first, as they keep the time; the look-ahead takes the rest.
    int threads = memory.threaded ? std::max(cores, 1) : 1;
    while (threads > 1 &&
           bytes(memory.leanest + memory.perSliceThread * (threads - 1)) > plan.budget)
        --threads;
    const double threadBytes = memory.leanest + memory.perSliceThread * (threads - 1);
    int lookahead = 0;
    while (lookahead < memory.usualLookahead &&
           bytes(threadBytes + memory.perLookahead * (lookahead + 1)) <= plan.budget)
        ++lookahead;
    if (memory.threaded)
        plan.encoder = EncoderSettings{threads, threads > 1, lookahead, usualThreads};
    else
        plan.encoder.lookahead = lookahead;
    plan.bytes = bytes(threadBytes + memory.perLookahead * lookahead);
    return plan;
}

} // namespace Export
