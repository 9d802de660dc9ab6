#include "VideoProbe.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libswscale/swscale.h>
}

#include <QFile>
#include <cstring>
#include <limits>
#include <memory>
#include <stdexcept>

namespace {

void Require(bool condition, const char* what)
{
    if (!condition)
        throw std::runtime_error(what);
}

struct Reader
{
    AVFormatContext* format = nullptr;
    AVCodecContext* codec = nullptr;
    AVFrame* frame = av_frame_alloc();
    AVPacket* packet = av_packet_alloc();
    ~Reader()
    {
        av_packet_free(&packet);
        av_frame_free(&frame);
        avcodec_free_context(&codec);
        avformat_close_input(&format);
    }
};

QImage ToImage(const AVFrame& frame)
{
    // swscale may write past the end of a row, so it writes into FFmpeg's
    // padded buffer and the rows are copied from there.
    AVFrame* rgb = av_frame_alloc();
    rgb->format = AV_PIX_FMT_BGRA;
    rgb->width = frame.width;
    rgb->height = frame.height;
    Require(av_frame_get_buffer(rgb, 0) == 0, "no memory for a picture");
    SwsContext* scale = sws_getContext(frame.width, frame.height, AVPixelFormat(frame.format),
                                       frame.width, frame.height, AV_PIX_FMT_BGRA,
                                       SWS_BICUBIC | SWS_ACCURATE_RND | SWS_FULL_CHR_H_INT, nullptr,
                                       nullptr, nullptr);
    Require(scale != nullptr, "no conversion to RGB");
    // As a player does: the matrix and range the stream is tagged with.
    if (frame.colorspace == AVCOL_SPC_BT709) {
        const int* bt709 = sws_getCoefficients(SWS_CS_ITU709);
        sws_setColorspaceDetails(scale, bt709, frame.color_range == AVCOL_RANGE_JPEG, bt709, 1, 0,
                                 1 << 16, 1 << 16);
    }
    sws_scale(scale, frame.data, frame.linesize, 0, frame.height, rgb->data, rgb->linesize);
    sws_freeContext(scale);
    QImage image(frame.width, frame.height, QImage::Format_RGB32);
    for (int row = 0; row < frame.height; ++row)
        std::memcpy(image.scanLine(row), rgb->data[0] + std::ptrdiff_t(row) * rgb->linesize[0],
                    std::size_t(frame.width) * 4);
    av_frame_free(&rgb);
    return image;
}

} // namespace

VideoFacts ProbeVideo(const QString& path, bool keepPictures)
{
    Reader reader;
    const QByteArray name = QFile::encodeName(path);
    Require(avformat_open_input(&reader.format, name.constData(), nullptr, nullptr) == 0,
            "cannot open the video");
    Require(avformat_find_stream_info(reader.format, nullptr) >= 0, "no stream information");
    const int streamIndex =
        av_find_best_stream(reader.format, AVMEDIA_TYPE_VIDEO, -1, -1, nullptr, 0);
    Require(streamIndex >= 0, "no video stream");
    const AVStream* stream = reader.format->streams[streamIndex];
    const AVCodec* decoder = avcodec_find_decoder(stream->codecpar->codec_id);
    Require(decoder != nullptr, "no decoder");
    reader.codec = avcodec_alloc_context3(decoder);
    avcodec_parameters_to_context(reader.codec, stream->codecpar);
    Require(avcodec_open2(reader.codec, decoder, nullptr) == 0, "cannot open the decoder");

    VideoFacts facts;
    facts.codec = QString::fromLatin1(decoder->name);
    facts.width = stream->codecpar->width;
    facts.height = stream->codecpar->height;
    facts.rateNumerator = stream->r_frame_rate.num;
    facts.rateDenominator = stream->r_frame_rate.den;
    if (reader.format->duration != AV_NOPTS_VALUE)
        facts.containerSeconds = reader.format->duration / double(AV_TIME_BASE);

    std::int64_t first = std::numeric_limits<std::int64_t>::max();
    std::int64_t end = std::numeric_limits<std::int64_t>::min();
    const auto takeFrames = [&] {
        while (avcodec_receive_frame(reader.codec, reader.frame) == 0) {
            ++facts.frames;
            const std::int64_t start = reader.frame->best_effort_timestamp;
            first = std::min(first, start);
            end = std::max(end, start + reader.frame->pkt_duration);
            if (keepPictures)
                facts.pictures.push_back(ToImage(*reader.frame));
        }
    };
    while (av_read_frame(reader.format, reader.packet) >= 0) {
        if (reader.packet->stream_index == streamIndex) {
            Require(avcodec_send_packet(reader.codec, reader.packet) == 0, "cannot decode");
            takeFrames();
        }
        av_packet_unref(reader.packet);
    }
    avcodec_send_packet(reader.codec, nullptr);
    takeFrames();
    if (facts.frames > 0)
        facts.seconds = double(end - first) * av_q2d(stream->time_base);
    return facts;
}
