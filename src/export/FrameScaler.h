#pragma once

extern "C" {
#include <libavutil/frame.h>
#include <libavutil/pixfmt.h>
}

#include "FilterGraph.h"

#include <QImage>
#include <QSize>
#include <memory>

struct SwsContext;

namespace Export {

// Scales frames to another size for the encoder with libswscale: averaging
// areas when shrinking, Lanczos when enlarging. Into 4:2:0 with the BT.709
// matrix the video is tagged with; into a GIF's palette by the colours of
// the frame itself, which the filter's blends would otherwise crowd out.
class FrameScaler
{
public:
    // Throws VideoError.
    FrameScaler(QSize frameSize, QSize videoSize, AVPixelFormat target);
    ~FrameScaler();
    FrameScaler(const FrameScaler&) = delete;
    FrameScaler& operator=(const FrameScaler&) = delete;

    // Fills picture (of videoSize in the target format) from a frame of
    // frameSize.
    void scale(const QImage& frame, AVFrame& picture);

private:
    struct SwsDeleter
    {
        void operator()(SwsContext* context) const;
    };

    QSize m_videoSize;
    AVPixelFormat m_target;
    std::unique_ptr<SwsContext, SwsDeleter> m_context;
    AvFramePointer m_source;
    AvFramePointer m_scaled; // for a palette only
};

} // namespace Export
