#pragma once

#include <QString>
#include <optional>

namespace Platform {

// The largest picture side this program makes: one frame's buffers stay
// within a few gigabytes. The largest picture file it reads follows from it.
inline constexpr int LargestPictureSide = 16384;

// How a picture file is stored: the window's uncompressed bitmap, or PNG,
// which keeps the same pixels in a fraction of the bytes.
enum class PictureFormat
{
    Bmp,
    Png,
};

// The file name's ending without the dot, "bmp" or "png"; also the name the
// command line takes.
QString PictureSuffix(PictureFormat format);

// The format named by its ending in any case, if any.
std::optional<PictureFormat> PictureFormatNamed(const QString& name);

} // namespace Platform
