#include "cli/StoredFrame.h"

#include "film/FrameNaming.h"
#include "platform/Numbers.h"
#include "platform/Pictures.h"

namespace Cli {

bool IsWholeFrame(const QString& path, std::int32_t pixels)
{
    const std::optional<Platform::BitmapShape> shape = Platform::WholeBitmapShape(path);
    return shape && *shape == Platform::BitmapShape{QSize(pixels, pixels), 24, true};
}

QStringList FrameFileCandidates(const QString& folder, double e)
{
    const QChar own = Platform::DecimalSeparator();
    QStringList paths = {Film::FrameFilePath(folder, e, own)};
    for (const QChar other : {QChar(u'.'), QChar(u',')}) {
        if (other != own)
            paths << Film::FrameFilePath(folder, e, other);
    }
    return paths;
}

} // namespace Cli
