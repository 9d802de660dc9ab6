#include "export/VideoSize.h"

#include "QuietFFmpeg.h"

extern "C" {
#include <libavutil/imgutils.h>
}

#include <cmath>

namespace Export {

QSize VideoSizeFor(VideoKind kind, QSize frameSize)
{
    if (!FactsOf(kind).fourTwoZero)
        return frameSize;
    return QSize((frameSize.width() + 1) & ~1, (frameSize.height() + 1) & ~1);
}

QSize VideoSizeFor(VideoKind kind, QSize frameSize, const VideoTuning& tuning)
{
    return VideoSizeFor(kind, tuning.size.isEmpty() ? frameSize : tuning.size);
}

std::optional<QString> SizeRefusal(VideoKind, QSize frameSize)
{
    QuietFFmpeg();
    // One limit for every kind, the even one that 4:2:0 needs: a GIF one
    // pixel larger than an MP4 may take is refused alike.
    const QSize videoSize = VideoSizeFor(VideoKind::Mp4, frameSize);
    if (av_image_check_size(unsigned(videoSize.width()), unsigned(videoSize.height()), 0,
                            nullptr) >= 0)
        return std::nullopt;
    int largest = videoSize.width();
    while (largest > 2 && av_image_check_size(unsigned(largest), unsigned(largest), 0, nullptr) < 0)
        largest -= 2;
    return QString("FFmpeg's encoders take pictures of at most %1 x %1 pixels; this film's %2 x "
                   "%3 frames cannot go into a video.")
        .arg(largest)
        .arg(frameSize.width())
        .arg(frameSize.height());
}

std::optional<QString> SizeWarning(VideoKind kind, QSize frameSize)
{
    const qint64 limit = FactsOf(kind).playableMacroblocks;
    const QSize videoSize = VideoSizeFor(kind, frameSize);
    const qint64 macroblocks =
        qint64((videoSize.width() + 15) / 16) * ((videoSize.height() + 15) / 16);
    if (limit == 0 || macroblocks <= limit)
        return std::nullopt;
    const int side = int(std::sqrt(double(limit))) * 16;
    const QString codec = QString::fromLatin1(FactsOf(kind).codec);
    return QString("A %1 x %2 %3 video is above the largest %3 level (%4 blocks of 16 x 16 "
                   "pixels, about %5 x %5); many players will not play it.")
        .arg(videoSize.width())
        .arg(videoSize.height())
        .arg(codec)
        .arg(limit)
        .arg(side);
}

} // namespace Export
