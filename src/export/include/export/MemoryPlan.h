#pragma once

#include "export/VideoKind.h"

#include <QSize>

namespace Export {

// How the encoder is set up; what is left at its default stays the
// encoder's own choice, so that a video that fits is made as before.
struct EncoderSettings
{
    int threads = 0; // 0: the encoder's own number
    bool slicedThreads = false;
    int lookahead = -1;   // frames the encoder looks ahead; -1: its own
    int usualThreads = 1; // the encoder's own number of threads
    bool operator==(const EncoderSettings&) const = default;
};

// The memory an export is given and how its encoder keeps within it.
struct MemoryPlan
{
    EncoderSettings encoder;
    qint64 bytes = 0;   // what the export is expected to hold at most
    qint64 budget = 0;  // what it may hold
    qint64 leanest = 0; // what the leanest settings need
    bool fits() const { return leanest <= budget; }
};

// A gigabyte, or what the leanest settings need when that is more, never
// more than available (0: not known).
qint64 ExportBudget(qint64 leanest, qint64 available);

// The plan for frames of frameSize encoded as pictures of videoSize on
// cores, within ExportBudget: the encoder's usual settings where they fit,
// else threads that share each picture and a shorter look-ahead.
MemoryPlan PlanMemory(VideoKind kind, QSize frameSize, QSize videoSize, int cores,
                      qint64 available);

} // namespace Export
