#include "export/VideoWriter.h"

#include "EncoderOpening.h"
#include "FilterGraph.h"
#include "QuietFFmpeg.h"
#include "export/FramePixels.h"
#include "export/FrameScaler.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/imgutils.h>
#include <libswscale/swscale.h>
}

#include <QFileInfo>

namespace Export {

using namespace Terminal;

namespace {

struct FormatDeleter
{
    void operator()(AVFormatContext* format) const
    {
        if (format->pb != nullptr && !(format->oformat->flags & AVFMT_NOFILE))
            avio_closep(&format->pb);
        avformat_free_context(format);
    }
};
struct FrameDeleter
{
    void operator()(AVFrame* frame) const { av_frame_free(&frame); }
};
struct PacketDeleter
{
    void operator()(AVPacket* packet) const { av_packet_free(&packet); }
};
struct ScaleDeleter
{
    void operator()(SwsContext* scale) const { sws_freeContext(scale); }
};

} // namespace

struct VideoWriter::State
{
    VideoKind kind = VideoKind::Mp4;
    QSize frameSize;
    QSize videoSize;
    std::unique_ptr<AVFormatContext, FormatDeleter> format;
    CodecPointer codec;
    AVStream* stream = nullptr; // owned by format
    std::unique_ptr<SwsContext, ScaleDeleter> scale;
    std::unique_ptr<FrameScaler> scaler; // when another size was asked for
    std::unique_ptr<AVFrame, FrameDeleter> picture;
    AvFramePointer rgb; // the frame before conversion, unless scaled
    std::unique_ptr<AVPacket, PacketDeleter> packet;
    std::int64_t nextPts = 0;
    bool finished = false;

    int threadsPlanned = 1;
    int threadsRunning = 1;

    void open(const VideoKindFacts& facts, const QString& path, const VideoTuning& tuning,
              const EncoderSettings& settings);
    void startFile(const QString& path);
    void allocateFrames(const VideoKindFacts& facts);
    void send(const AVFrame* frame);
};

void VideoWriter::State::open(const VideoKindFacts& facts, const QString& path,
                              const VideoTuning& tuning, const EncoderSettings& settings)
{
    const AVCodec* encoder = avcodec_find_encoder_by_name(facts.encoder);
    if (encoder == nullptr)
        throw VideoError(QString("This FFmpeg has no %1 encoder (%2), which %1 videos need; "
                                 "install a libavcodec built with it.")
                             .arg(VideoKindName(kind), facts.encoder));
    AVFormatContext* rawFormat = nullptr;
    Check(avformat_alloc_output_context2(&rawFormat, nullptr, facts.muxer,
                                         QFile::encodeName(path).constData()),
          QString("No %1 container").arg(VideoKindName(kind)));
    format.reset(rawFormat);
    OpenedEncoder opened = OpenEncoder(kind, encoder, videoSize, tuning, settings,
                                       (format->oformat->flags & AVFMT_GLOBALHEADER) != 0);
    codec = std::move(opened.codec);
    threadsPlanned = opened.threadsPlanned;
    threadsRunning = opened.threadsRunning;
    startFile(path);
    if (!tuning.size.isEmpty() && tuning.size != frameSize)
        scaler = std::make_unique<FrameScaler>(frameSize, videoSize);
    allocateFrames(facts);
}

void VideoWriter::State::startFile(const QString& path)
{
    stream = avformat_new_stream(format.get(), nullptr);
    if (stream == nullptr)
        throw VideoError("Out of memory for the video stream.");
    stream->time_base = codec->time_base;
    stream->avg_frame_rate = codec->framerate;
    Check(avcodec_parameters_from_context(stream->codecpar, codec.get()),
          "Cannot describe the video stream");

    Check(avio_open(&format->pb, QFile::encodeName(path).constData(), AVIO_FLAG_WRITE),
          QString("Cannot write \"%1\"").arg(path));
    AVDictionary* muxerOptions = Dictionary(FactsOf(kind).muxerOptions);
    const int written = avformat_write_header(format.get(), &muxerOptions);
    av_dict_free(&muxerOptions);
    Check(written, QString("Cannot start \"%1\"").arg(path));
}

void VideoWriter::State::allocateFrames(const VideoKindFacts& facts)
{
    picture.reset(av_frame_alloc());
    packet.reset(av_packet_alloc());
    if (!picture || !packet)
        throw VideoError("Out of memory for the frames.");
    picture->format = PixelFormatOf(facts);
    picture->width = videoSize.width();
    picture->height = videoSize.height();
    Check(av_frame_get_buffer(picture.get(), 0), "Out of memory for a frame");

    if (PixelFormatOf(facts) == AV_PIX_FMT_YUV420P) {
        scale.reset(sws_getContext(videoSize.width(), videoSize.height(), AV_PIX_FMT_RGB24,
                                   videoSize.width(), videoSize.height(), PixelFormatOf(facts),
                                   SWS_BICUBIC | SWS_ACCURATE_RND, nullptr, nullptr, nullptr));
        if (!scale)
            throw VideoError("No colour conversion to 4:2:0.");
        // A scaled frame is converted from the scaler's own buffer.
        if (!scaler)
            rgb = NewAvFrame(videoSize, AV_PIX_FMT_RGB24);
        // The stream is tagged BT.709; convert with the same matrix.
        const int* bt709 = sws_getCoefficients(SWS_CS_ITU709);
        sws_setColorspaceDetails(scale.get(), bt709, 1, bt709, 0, 0, 1 << 16, 1 << 16);
    }
}

void VideoWriter::State::send(const AVFrame* frame)
{
    Check(avcodec_send_frame(codec.get(), frame), "The encoder failed");
    for (;;) {
        const int received = avcodec_receive_packet(codec.get(), packet.get());
        if (received == AVERROR(EAGAIN) || received == AVERROR_EOF)
            return;
        Check(received, "The encoder failed");
        // Every frame is shown for one frame time.
        packet->duration = 1;
        av_packet_rescale_ts(packet.get(), codec->time_base, stream->time_base);
        packet->stream_index = stream->index;
        Check(av_interleaved_write_frame(format.get(), packet.get()), "Cannot write the video");
    }
}

VideoWriter::VideoWriter(VideoKind kind, const QString& path, QSize frameSize,
                         const VideoTuning& tuning, const EncoderSettings& settings)
    : m_state(std::make_unique<State>())
{
    QuietFFmpeg();
    const VideoKindFacts& facts = FactsOf(kind);
    m_state->kind = kind;
    m_state->frameSize = frameSize;
    m_state->videoSize = VideoSizeFor(kind, frameSize, tuning);
    m_state->open(facts, path, tuning, settings);
}

VideoWriter::~VideoWriter() = default;

QSize VideoWriter::videoSize() const
{
    return m_state->videoSize;
}

int VideoWriter::threadsPlanned() const
{
    return m_state->threadsPlanned;
}

int VideoWriter::threadsRunning() const
{
    return m_state->threadsRunning;
}

void VideoWriter::addFrame(const QImage& frame)
{
    State& state = *m_state;
    if (frame.size() != state.frameSize)
        throw VideoError("A frame has the wrong size.");
    Check(av_frame_make_writable(state.picture.get()), "Out of memory for a frame");
    const QImage sized = state.scaler ? state.scaler->scale(frame) : frame;
    if (state.scale) {
        // swscale may read past the end of a row: it reads from FFmpeg's
        // padded buffers, the scaler's own or the frame copied into one.
        if (!state.scaler)
            CopyIntoRgb24Frame(PadToSize(frame, state.videoSize), *state.rgb);
        const std::array<const std::uint8_t*, 4> rows = {
            state.scaler ? sized.constBits() : state.rgb->data[0], nullptr, nullptr, nullptr};
        const std::array<int, 4> strides = {
            state.scaler ? int(sized.bytesPerLine()) : state.rgb->linesize[0], 0, 0, 0};
        sws_scale(state.scale.get(), rows.data(), strides.data(), 0, state.videoSize.height(),
                  state.picture->data, state.picture->linesize);
    } else {
        const QImage padded =
            PadToSize(sized.convertToFormat(QImage::Format_RGB32), state.videoSize);
        if (state.scaler)
            FillNearestPalettePicture(padded, frame, state.picture->data[0],
                                      state.picture->linesize[0],
                                      reinterpret_cast<std::uint32_t*>(state.picture->data[1]));
        else
            FillPalettePicture(padded, state.picture->data[0], state.picture->linesize[0],
                               reinterpret_cast<std::uint32_t*>(state.picture->data[1]));
    }
    state.picture->pts = state.nextPts++;
    state.send(state.picture.get());
}

void VideoWriter::finish()
{
    State& state = *m_state;
    if (state.finished)
        return;
    state.send(nullptr);
    Check(av_write_trailer(state.format.get()), "Cannot complete the video");
    Check(avio_closep(&state.format->pb), "Cannot complete the video");
    state.finished = true;
}

} // namespace Export
