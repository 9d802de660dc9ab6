#include "platform/PictureFormat.h"

namespace Platform {

QString PictureSuffix(PictureFormat format)
{
    return format == PictureFormat::Png ? QStringLiteral("png") : QStringLiteral("bmp");
}

std::optional<PictureFormat> PictureFormatNamed(const QString& name)
{
    for (const PictureFormat format : {PictureFormat::Bmp, PictureFormat::Png}) {
        if (name.compare(PictureSuffix(format), Qt::CaseInsensitive) == 0)
            return format;
    }
    return std::nullopt;
}

} // namespace Platform
