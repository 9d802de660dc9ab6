#pragma once

#include "export/MemoryPlan.h"
#include "export/VideoKind.h"
#include "export/VideoTuning.h"

extern "C" {
#include <libavcodec/avcodec.h>
}

#include <QSize>
#include <QString>
#include <memory>
#include <span>
#include <utility>

namespace Export {

// 4:2:0 for the kinds that take it, else a palette.
AVPixelFormat PixelFormatOf(const VideoKindFacts& facts);

// FFmpeg's options as a dictionary the caller frees.
AVDictionary* Dictionary(std::span<const std::pair<const char*, const char*>> options);

// Throws VideoError "what: FFmpeg's reason" for a negative result.
void Check(int result, const QString& what);

struct CodecDeleter
{
    void operator()(AVCodecContext* codec) const { avcodec_free_context(&codec); }
};
using CodecPointer = std::unique_ptr<AVCodecContext, CodecDeleter>;

struct OpenedEncoder
{
    CodecPointer codec;
    int threadsPlanned = 1;
    int threadsRunning = 1;
};

// Opens the kind's encoder for pictures of videoSize as tuning and settings
// ask. A process limit (ulimit -u) may not let it start its threads: it then
// runs with fewer, down to one, as the renderer does. Throws VideoError.
OpenedEncoder OpenEncoder(VideoKind kind, const AVCodec* encoder, QSize videoSize,
                          const VideoTuning& tuning, const EncoderSettings& settings,
                          bool globalHeader);

} // namespace Export
