#include "FrameScaler.h"

#include "export/FramePixels.h"
#include "export/VideoWriter.h"

extern "C" {
#include <libswscale/swscale.h>
}

#include <cstring>

namespace Export {

namespace {

// A frame of this size and format with FFmpeg's padded rows: swscale may
// read and write past the end of a row.
AVFrame* NewFrame(QSize size, AVPixelFormat format)
{
    AVFrame* frame = av_frame_alloc();
    if (frame == nullptr)
        throw VideoError("Out of memory for the frames.");
    frame->format = format;
    frame->width = size.width();
    frame->height = size.height();
    if (av_frame_get_buffer(frame, 0) < 0) {
        av_frame_free(&frame);
        throw VideoError("Out of memory for a frame.");
    }
    return frame;
}

void CopyRows(const QImage& image, AVFrame& frame, int bytesPerPixel)
{
    for (int row = 0; row < image.height(); ++row)
        std::memcpy(frame.data[0] + std::ptrdiff_t(row) * frame.linesize[0],
                    image.constScanLine(row), std::size_t(image.width()) * bytesPerPixel);
}

} // namespace

void FrameScaler::SwsDeleter::operator()(SwsContext* context) const
{
    sws_freeContext(context);
}

void FrameScaler::FrameDeleter::operator()(AVFrame* frame) const
{
    av_frame_free(&frame);
}

FrameScaler::FrameScaler(QSize frameSize, QSize videoSize, AVPixelFormat target)
    : m_videoSize(videoSize), m_target(target)
{
    const bool shrinking =
        videoSize.width() * videoSize.height() < frameSize.width() * frameSize.height();
    const int flags = (shrinking ? SWS_AREA : SWS_LANCZOS) | SWS_ACCURATE_RND;
    // Colours are scaled in RGB where they go into a palette.
    // AV_PIX_FMT_RGB32 is QImage::Format_RGB32 in memory.
    const AVPixelFormat scaledFormat = target == AV_PIX_FMT_PAL8 ? AV_PIX_FMT_RGB32 : target;
    const AVPixelFormat sourceFormat =
        target == AV_PIX_FMT_PAL8 ? AV_PIX_FMT_RGB32 : AV_PIX_FMT_RGB24;
    m_context.reset(sws_getContext(frameSize.width(), frameSize.height(), sourceFormat,
                                   videoSize.width(), videoSize.height(), scaledFormat, flags,
                                   nullptr, nullptr, nullptr));
    if (!m_context)
        throw VideoError("No scaling to the size asked for.");
    if (target == AV_PIX_FMT_YUV420P) {
        const int* bt709 = sws_getCoefficients(SWS_CS_ITU709);
        sws_setColorspaceDetails(m_context.get(), bt709, 1, bt709, 0, 0, 1 << 16, 1 << 16);
    }
    m_source.reset(NewFrame(frameSize, sourceFormat));
    if (target == AV_PIX_FMT_PAL8)
        m_scaled.reset(NewFrame(videoSize, scaledFormat));
}

FrameScaler::~FrameScaler() = default;

void FrameScaler::scale(const QImage& frame, AVFrame& picture)
{
    if (m_target != AV_PIX_FMT_PAL8) {
        CopyRows(frame.convertToFormat(QImage::Format_RGB888), *m_source, 3);
        sws_scale(m_context.get(), m_source->data, m_source->linesize, 0, frame.height(),
                  picture.data, picture.linesize);
        return;
    }
    const QImage source = frame.convertToFormat(QImage::Format_RGB32);
    CopyRows(source, *m_source, 4);
    sws_scale(m_context.get(), m_source->data, m_source->linesize, 0, frame.height(),
              m_scaled->data, m_scaled->linesize);
    const QImage scaled(m_scaled->data[0], m_videoSize.width(), m_videoSize.height(),
                        m_scaled->linesize[0], QImage::Format_RGB32);
    FillNearestPalettePicture(scaled, source, picture.data[0], picture.linesize[0],
                              reinterpret_cast<std::uint32_t*>(picture.data[1]));
}

} // namespace Export
