#pragma once

#include <QImage>
#include <QSize>
#include <memory>

namespace Export {

// Scales frames to the video's size with libavfilter. A shrink averages
// areas in linear light, as the renderer averages a supersampled pixel's
// samples: zimg decodes sRGB, libswscale averages, zimg encodes back (in
// gamma-coded sRGB, thin bright filaments would come out dark). An
// enlargement interpolates with Lanczos.
class FrameScaler
{
public:
    // Throws VideoError.
    FrameScaler(QSize frameSize, QSize videoSize);
    ~FrameScaler();
    FrameScaler(const FrameScaler&) = delete;
    FrameScaler& operator=(const FrameScaler&) = delete;

    // The frame (of frameSize) at the video's size, in RGB888, held in
    // FFmpeg's own buffer: swscale may read past the end of its rows.
    QImage scale(const QImage& frame);

private:
    struct State;
    std::unique_ptr<State> m_state;
};

} // namespace Export
