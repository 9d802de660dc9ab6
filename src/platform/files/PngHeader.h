#pragma once

#include "platform/Pictures.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <optional>

namespace Platform {

// The eight bytes every PNG file starts with.
inline const QByteArray PngSignature("\x89PNG\r\n\x1a\n", 8);

// What a PNG file's first chunk promises, and whether the file ends in the
// chunk that closes every PNG.
struct PngHeader
{
    BitmapShape shape; // bits per pixel: all channels, 24 for 8-bit RGB
    bool endsWhole = false;
};

// None when the file, read from its start, does not start like a PNG.
std::optional<PngHeader> ReadPngHeader(QFile& file);

} // namespace Platform
