#include "export/VideoKind.h"

#include <QFileInfo>

namespace Export {

std::optional<VideoKind> VideoKindForPath(const QString& path)
{
    const QString ending = QFileInfo(path).suffix().toLower();
    if (ending == "mp4")
        return VideoKind::Mp4;
    if (ending == "webm")
        return VideoKind::WebM;
    if (ending == "gif")
        return VideoKind::Gif;
    return std::nullopt;
}

QString VideoKindName(VideoKind kind)
{
    switch (kind) {
    case VideoKind::Mp4:
        return QStringLiteral("MP4 (H.264)");
    case VideoKind::WebM:
        return QStringLiteral("WebM (VP9)");
    case VideoKind::Gif:
        return QStringLiteral("GIF");
    }
    return {};
}

} // namespace Export
