#include "EncoderOpening.h"

#include "export/VideoWriter.h"

#include <QByteArrayList>
#include <array>

namespace Export {

AVPixelFormat PixelFormatOf(const VideoKindFacts& facts)
{
    return facts.fourTwoZero ? AV_PIX_FMT_YUV420P : AV_PIX_FMT_PAL8;
}

AVDictionary* Dictionary(std::span<const std::pair<const char*, const char*>> options)
{
    AVDictionary* dictionary = nullptr;
    for (const auto& [key, value] : options)
        av_dict_set(&dictionary, key, value, 0);
    return dictionary;
}

void Check(int result, const QString& what)
{
    if (result < 0) {
        std::array<char, AV_ERROR_MAX_STRING_SIZE> text{};
        av_strerror(result, text.data(), text.size());
        throw VideoError(QString("%1: %2").arg(what, QString::fromLocal8Bit(text.data())));
    }
}

namespace {

// The encoder's threads and look-ahead, where they differ from its own:
// the pictures it holds follow them.
void SetMemoryOptions(VideoKind kind, const EncoderSettings& settings, AVCodecContext& codec,
                      AVDictionary*& options)
{
    if (settings.threads > 0)
        codec.thread_count = settings.threads;
    if (kind == VideoKind::Mp4) {
        QByteArrayList x264;
        if (settings.slicedThreads)
            x264 << "sliced-threads=1";
        if (settings.lookahead >= 0)
            x264 << "rc-lookahead=" + QByteArray::number(settings.lookahead);
        if (!x264.isEmpty())
            av_dict_set(&options, "x264-params", x264.join(':').constData(), 0);
    } else if (kind == VideoKind::WebM && settings.lookahead >= 0) {
        av_dict_set(&options, "lag-in-frames", QByteArray::number(settings.lookahead).constData(),
                    0);
    }
}

// The encoder opened once; FFmpeg's result.
int TryEncoder(CodecPointer& codec, VideoKind kind, const AVCodec* encoder, QSize videoSize,
               const VideoTuning& tuning, const EncoderSettings& settings, bool globalHeader)
{
    const VideoKindFacts& facts = FactsOf(kind);
    codec.reset(avcodec_alloc_context3(encoder));
    if (!codec)
        throw VideoError("Out of memory for the encoder.");
    codec->width = videoSize.width();
    codec->height = videoSize.height();
    codec->pix_fmt = PixelFormatOf(facts);
    codec->time_base = AVRational{tuning.rate.denominator, tuning.rate.numerator};
    codec->framerate = AVRational{tuning.rate.numerator, tuning.rate.denominator};
    codec->sample_aspect_ratio = AVRational{1, 1};
    if (PixelFormatOf(facts) == AV_PIX_FMT_YUV420P) {
        codec->color_range = AVCOL_RANGE_MPEG;
        codec->colorspace = AVCOL_SPC_BT709;
        codec->color_primaries = AVCOL_PRI_BT709;
        codec->color_trc = AVCOL_TRC_BT709;
    }
    if (globalHeader)
        codec->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    AVDictionary* options = Dictionary(facts.encoderOptions);
    if (tuning.smoothGradients) {
        for (const auto& [key, value] : facts.gradientOptions)
            av_dict_set(&options, key, value, 0);
    }
    // The quality asked for, else the kind's own.
    if (const int crf = tuning.crf.value_or(facts.defaultCrf); crf >= 0)
        av_dict_set(&options, "crf", QByteArray::number(crf).constData(), 0);
    SetMemoryOptions(kind, settings, *codec, options);
    const int opened = avcodec_open2(codec.get(), encoder, &options);
    av_dict_free(&options);
    return opened;
}

} // namespace

OpenedEncoder OpenEncoder(VideoKind kind, const AVCodec* encoder, QSize videoSize,
                          const VideoTuning& tuning, const EncoderSettings& settings,
                          bool globalHeader)
{
    OpenedEncoder result;
    result.threadsPlanned = settings.threads > 0 ? settings.threads : settings.usualThreads;
    result.threadsRunning = result.threadsPlanned;
    EncoderSettings fewer = settings;
    int opened = TryEncoder(result.codec, kind, encoder, videoSize, tuning, fewer, globalHeader);
    while (opened < 0 && result.threadsRunning > 1) {
        result.threadsRunning /= 2;
        fewer.threads = result.threadsRunning;
        fewer.slicedThreads = fewer.slicedThreads && fewer.threads > 1;
        opened = TryEncoder(result.codec, kind, encoder, videoSize, tuning, fewer, globalHeader);
    }
    Check(opened, QString("The %1 encoder refused the film").arg(FactsOf(kind).encoder));
    return result;
}

} // namespace Export
