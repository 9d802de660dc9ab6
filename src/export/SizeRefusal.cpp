#include "export/SizeRefusal.h"

#include "QuietFFmpeg.h"
#include "export/VideoSize.h"

extern "C" {
#include <libavutil/imgutils.h>
}

namespace Export {

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

} // namespace Export
