#pragma once

#include <QImage>
#include <QSize>
#include <cstdint>

namespace Export {

// The frame with its last row and column repeated up to size (at least the
// frame's), for encoders that need even sides.
QImage PadToSize(const QImage& frame, QSize size);

// Writes the frame as 8-bit palette indices (rows of stride bytes) and the
// 256-entry palette (0xAARRGGBB, all opaque). A frame of this program has a
// few dozen colours, which a palette of its own keeps exactly; a picture with
// more than 256 (a smooth or supersampled frame) gets the 256 that suit it
// best. Returns whether the colours were kept exactly.
bool FillPalettePicture(const QImage& frame, std::uint8_t* indices, int stride,
                        std::uint32_t* palette);

// The same for a scaled picture, with the palette of the frame it was
// scaled from: each pixel takes the nearest of the frame's own colours, so
// that blends at edges do not crowd out the frame's colours; a frame of more
// than 256 colours gets a palette chosen from the scaled picture.
void FillNearestPalettePicture(const QImage& scaled, const QImage& frame, std::uint8_t* indices,
                               int stride, std::uint32_t* palette);

} // namespace Export
