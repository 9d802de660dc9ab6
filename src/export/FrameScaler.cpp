#include "export/FrameScaler.h"

#include "FilterGraph.h"
#include "export/VideoWriter.h"

#include <cstring>

namespace Export {

namespace {

QString ScalingChain(QSize frameSize, QSize videoSize)
{
    const QString size = QString("%1:%2").arg(videoSize.width()).arg(videoSize.height());
    const bool shrinking = qint64(videoSize.width()) * videoSize.height() <
                           qint64(frameSize.width()) * frameSize.height();
    if (!shrinking)
        return QString("scale=%1:flags=lanczos+accurate_rnd,format=rgb24").arg(size);
    // Sixteen bits keep the darkest of the 256 levels apart in linear light.
    return QString("zscale=transferin=iec61966-2-1:transfer=linear,format=gbrp16le,"
                   "scale=%1:flags=area+accurate_rnd,"
                   "zscale=transferin=linear:transfer=iec61966-2-1,format=rgb24")
        .arg(size);
}

} // namespace

struct FrameScaler::State
{
    State(QSize frameSize, QSize videoSize)
        : source(NewAvFrame(frameSize, AV_PIX_FMT_RGB24)),
          graph(frameSize, AV_PIX_FMT_RGB24, ScalingChain(frameSize, videoSize))
    {
    }
    AvFramePointer source;
    FilterGraph graph;
};

FrameScaler::FrameScaler(QSize frameSize, QSize videoSize)
    : m_state(std::make_unique<State>(frameSize, videoSize))
{
}

FrameScaler::~FrameScaler() = default;

QImage FrameScaler::scale(const QImage& frame)
{
    CopyIntoFrame(frame.convertToFormat(QImage::Format_RGB888), *m_state->source, 3);
    const AvFramePointer scaled = m_state->graph.apply(*m_state->source);
    QImage picture(scaled->width, scaled->height, QImage::Format_RGB888);
    for (int row = 0; row < picture.height(); ++row)
        std::memcpy(picture.scanLine(row),
                    scaled->data[0] + std::ptrdiff_t(row) * scaled->linesize[0],
                    std::size_t(picture.width()) * 3);
    return picture;
}

} // namespace Export
