#pragma once

#include <QString>
#include <optional>

namespace Export {

enum class VideoKind
{
    Mp4,  // H.264, yuv420p: plays in every browser and on phones
    WebM, // VP9
    Gif,  // an animated GIF that loops for ever
};

// The kind of video a file name asks for by its ending, if any.
std::optional<VideoKind> VideoKindForPath(const QString& path);

// "MP4 (H.264)" and the like, for messages.
QString VideoKindName(VideoKind kind);

} // namespace Export
