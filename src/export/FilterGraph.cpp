#include "FilterGraph.h"

#include "export/VideoWriter.h"

extern "C" {
#include <libavfilter/avfilter.h>
#include <libavfilter/buffersink.h>
#include <libavfilter/buffersrc.h>
}

#include <cstring>

namespace Export {

namespace {

struct InOutDeleter
{
    void operator()(AVFilterInOut* inOut) const { avfilter_inout_free(&inOut); }
};
using InOutPointer = std::unique_ptr<AVFilterInOut, InOutDeleter>;

// The chain's open end, named as avfilter_graph_parse_ptr expects it.
InOutPointer End(const char* name, AVFilterContext* filter)
{
    InOutPointer end(avfilter_inout_alloc());
    if (!end)
        throw VideoError("Out of memory for the filters.");
    end->name = av_strdup(name);
    end->filter_ctx = filter;
    end->pad_idx = 0;
    end->next = nullptr;
    return end;
}

void Check(int result, const QString& chain)
{
    if (result < 0)
        throw VideoError(QString("This FFmpeg cannot filter the frames (%1).").arg(chain));
}

} // namespace

AvFramePointer NewAvFrame(QSize size, AVPixelFormat format)
{
    AvFramePointer frame(av_frame_alloc());
    if (!frame)
        throw VideoError("Out of memory for the frames.");
    frame->format = format;
    frame->width = size.width();
    frame->height = size.height();
    if (av_frame_get_buffer(frame.get(), 0) < 0)
        throw VideoError("Out of memory for a frame.");
    return frame;
}

void CopyIntoFrame(const QImage& picture, AVFrame& frame, int bytesPerPixel)
{
    for (int row = 0; row < picture.height(); ++row)
        std::memcpy(frame.data[0] + std::ptrdiff_t(row) * frame.linesize[0],
                    picture.constScanLine(row), std::size_t(picture.width()) * bytesPerPixel);
}

void CopyIntoRgb24Frame(const QImage& picture, AVFrame& frame)
{
    // Row by row: a whole RGB888 copy of a large picture would cost as much
    // memory as the frame itself.
    const QImage rgb32 = picture.convertToFormat(QImage::Format_RGB32);
    for (int row = 0; row < rgb32.height(); ++row) {
        const auto* from = reinterpret_cast<const QRgb*>(rgb32.constScanLine(row));
        std::uint8_t* to = frame.data[0] + std::ptrdiff_t(row) * frame.linesize[0];
        for (int x = 0; x < rgb32.width(); ++x) {
            *to++ = std::uint8_t(qRed(from[x]));
            *to++ = std::uint8_t(qGreen(from[x]));
            *to++ = std::uint8_t(qBlue(from[x]));
        }
    }
}

QImage WrapRgb24Frame(AvFramePointer frame)
{
    AVFrame* held = frame.release();
    return QImage(
        held->data[0], held->width, held->height, held->linesize[0], QImage::Format_RGB888,
        [](void* owned) {
            auto* ownedFrame = static_cast<AVFrame*>(owned);
            av_frame_free(&ownedFrame);
        },
        held);
}

void FilterGraph::GraphDeleter::operator()(AVFilterGraph* graph) const
{
    avfilter_graph_free(&graph);
}

FilterGraph::FilterGraph(QSize size, AVPixelFormat format, const QString& chain)
    : m_graph(avfilter_graph_alloc())
{
    if (!m_graph)
        throw VideoError("Out of memory for the filters.");
    // The filters work on one thread each: the encoder has the cores.
    m_graph->nb_threads = 1;
    const QByteArray source = QString("video_size=%1x%2:pix_fmt=%3:time_base=1/1:pixel_aspect=1/1")
                                  .arg(size.width())
                                  .arg(size.height())
                                  .arg(int(format))
                                  .toLatin1();
    Check(avfilter_graph_create_filter(&m_source, avfilter_get_by_name("buffer"), "in",
                                       source.constData(), nullptr, m_graph.get()),
          chain);
    Check(avfilter_graph_create_filter(&m_sink, avfilter_get_by_name("buffersink"), "out", nullptr,
                                       nullptr, m_graph.get()),
          chain);
    AVFilterInOut* outputs = End("in", m_source).release();
    AVFilterInOut* inputs = End("out", m_sink).release();
    const int parsed = avfilter_graph_parse_ptr(m_graph.get(), chain.toLatin1().constData(),
                                                &inputs, &outputs, nullptr);
    avfilter_inout_free(&inputs);
    avfilter_inout_free(&outputs);
    Check(parsed, chain);
    Check(avfilter_graph_config(m_graph.get(), nullptr), chain);
}

FilterGraph::~FilterGraph() = default;

AvFramePointer FilterGraph::apply(const AVFrame& input, bool last)
{
    // The source takes a reference: the caller keeps its frame.
    Check(av_buffersrc_write_frame(m_source, &input), "a frame");
    if (last)
        Check(av_buffersrc_add_frame(m_source, nullptr), "the end");
    AvFramePointer output(av_frame_alloc());
    if (!output)
        throw VideoError("Out of memory for the frames.");
    Check(av_buffersink_get_frame(m_sink, output.get()), "a filtered frame");
    return output;
}

} // namespace Export
