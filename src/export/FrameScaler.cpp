#include "export/FrameScaler.h"

#include "FilterGraph.h"
#include "export/VideoWriter.h"

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
    CopyIntoRgb24Frame(frame, *m_state->source);
    return WrapRgb24Frame(m_state->graph.apply(*m_state->source));
}

} // namespace Export
