#include "FrameScaler.h"

#include "FilterGraph.h"

#include "export/FramePixels.h"
#include "export/VideoWriter.h"

extern "C" {
#include <libswscale/swscale.h>
}

#include <cstring>

namespace Export {

void FrameScaler::SwsDeleter::operator()(SwsContext* context) const
{
    sws_freeContext(context);
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
    m_source = NewAvFrame(frameSize, sourceFormat);
    if (target == AV_PIX_FMT_PAL8)
        m_scaled = NewAvFrame(videoSize, scaledFormat);
}

FrameScaler::~FrameScaler() = default;

void FrameScaler::scale(const QImage& frame, AVFrame& picture)
{
    if (m_target != AV_PIX_FMT_PAL8) {
        CopyIntoFrame(frame.convertToFormat(QImage::Format_RGB888), *m_source, 3);
        sws_scale(m_context.get(), m_source->data, m_source->linesize, 0, frame.height(),
                  picture.data, picture.linesize);
        return;
    }
    const QImage source = frame.convertToFormat(QImage::Format_RGB32);
    CopyIntoFrame(source, *m_source, 4);
    sws_scale(m_context.get(), m_source->data, m_source->linesize, 0, frame.height(),
              m_scaled->data, m_scaled->linesize);
    const QImage scaled(m_scaled->data[0], m_videoSize.width(), m_videoSize.height(),
                        m_scaled->linesize[0], QImage::Format_RGB32);
    FillNearestPalettePicture(scaled, source, picture.data[0], picture.linesize[0],
                              reinterpret_cast<std::uint32_t*>(picture.data[1]));
}

} // namespace Export
