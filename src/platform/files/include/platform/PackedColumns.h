#pragma once

#include <QImage>
#include <cstdint>
#include <span>

namespace Platform {

// A colour packed as red + 256 * green + 65536 * blue.
inline QRgb ToRgb(std::int32_t color)
{
    return qRgb(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
}

// Sets column x of an RGB32 image from packed colours, top row first; rows
// beyond the image are left out.
void PutPackedColumn(QImage& image, int x, std::span<const std::int32_t> colors);

} // namespace Platform
