#include "export/SizeRefusal.h"

#include "QuietFFmpeg.h"
#include "export/VideoSize.h"

extern "C" {
#include <libavutil/imgutils.h>
}

namespace Export {

namespace {

// One limit for every kind, the even one that 4:2:0 needs: a GIF one pixel
// larger than an MP4 may take is refused alike. FFmpeg's own check holds
// for every encoder and for the scaler; thinner pictures up to the largest
// side asked for are made by all of them.
std::optional<int> LargestSideIfRefused(QSize size)
{
    QuietFFmpeg();
    const QSize videoSize = VideoSizeFor(VideoKind::Mp4, size);
    if (av_image_check_size(unsigned(videoSize.width()), unsigned(videoSize.height()), 0,
                            nullptr) >= 0)
        return std::nullopt;
    int largest = std::max(videoSize.width(), videoSize.height());
    while (largest > 2 && av_image_check_size(unsigned(largest), unsigned(largest), 0, nullptr) < 0)
        largest -= 2;
    return largest;
}

} // namespace

std::optional<QString> SizeRefusal(VideoKind, QSize frameSize)
{
    const std::optional<int> largest = LargestSideIfRefused(frameSize);
    if (!largest)
        return std::nullopt;
    return QString("FFmpeg's encoders take pictures of at most %1 x %1 pixels; this film's %2 x "
                   "%3 frames cannot go into a video as they are: ask --size for a smaller one.")
        .arg(*largest)
        .arg(frameSize.width())
        .arg(frameSize.height());
}

std::optional<QString> SizeOptionRefusal(VideoKind, QSize asked)
{
    const std::optional<int> largest = LargestSideIfRefused(asked);
    if (!largest)
        return std::nullopt;
    return QString("--size %1x%2 is larger than FFmpeg's encoders take: at most %3 x %3 pixels "
                   "(a wider picture must be lower).")
        .arg(asked.width())
        .arg(asked.height())
        .arg(*largest);
}

} // namespace Export
