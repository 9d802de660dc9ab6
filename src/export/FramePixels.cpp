#include "export/FramePixels.h"

#include "FilterGraph.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <unordered_map>
#include <vector>

namespace Export {

QImage PadToSize(const QImage& frame, QSize size)
{
    if (frame.size() == size)
        return frame;
    const QImage source = frame.convertToFormat(QImage::Format_RGB32);
    QImage padded(size, QImage::Format_RGB32);
    for (int row = 0; row < size.height(); ++row) {
        const auto* from =
            reinterpret_cast<const QRgb*>(source.constScanLine(std::min(row, source.height() - 1)));
        auto* to = reinterpret_cast<QRgb*>(padded.scanLine(row));
        for (int x = 0; x < size.width(); ++x)
            to[x] = from[std::min(x, source.width() - 1)];
    }
    return padded;
}

namespace {

// Each colour its own entry; false when there are more than 256.
bool MapExactly(const QImage& source, std::uint8_t* indices, int stride, std::uint32_t* palette)
{
    std::unordered_map<QRgb, std::uint8_t> known;
    for (int row = 0; row < source.height(); ++row) {
        const auto* line = reinterpret_cast<const QRgb*>(source.constScanLine(row));
        std::uint8_t* target = indices + std::ptrdiff_t(row) * stride;
        for (int x = 0; x < source.width(); ++x) {
            const QRgb color = line[x] | 0xFF000000u;
            auto found = known.find(color);
            if (found == known.end()) {
                if (known.size() == 256)
                    return false;
                found = known.emplace(color, std::uint8_t(known.size())).first;
                palette[found->second] = color;
            }
            target[x] = found->second;
        }
    }
    return true;
}

// More colours than a palette holds: libavfilter's palettegen chooses 256
// of the picture's own (a median cut), paletteuse gives each pixel the
// nearest. A palette of each picture's own is closer to the frames and
// flickers less than one for the whole film, and dithering buys nothing here
// (the README has the measures).
void MapToChosenPalette(const QImage& source, std::uint8_t* indices, int stride,
                        std::uint32_t* palette)
{
    const AvFramePointer input = NewAvFrame(source.size(), AV_PIX_FMT_RGB32);
    CopyIntoFrame(source, *input, 4);
    FilterGraph graph(source.size(), AV_PIX_FMT_RGB32,
                      "split[all][counted];"
                      "[counted]palettegen=reserve_transparent=0:stats_mode=single[palette];"
                      "[all][palette]paletteuse=dither=none:new=1");
    const AvFramePointer mapped = graph.apply(*input, true);
    for (int row = 0; row < source.height(); ++row)
        std::memcpy(indices + std::ptrdiff_t(row) * stride,
                    mapped->data[0] + std::ptrdiff_t(row) * mapped->linesize[0],
                    std::size_t(source.width()));
    const auto* chosen = reinterpret_cast<const std::uint32_t*>(mapped->data[1]);
    for (int index = 0; index < 256; ++index)
        palette[index] = chosen[index] | 0xFF000000u;
}

// The entry of the palette closest to colour, by squared distance.
std::uint8_t NearestEntry(QRgb colour, const std::uint32_t* palette)
{
    int best = 0;
    int bestDistance = std::numeric_limits<int>::max();
    for (int index = 0; index < 256; ++index) {
        const int red = qRed(colour) - qRed(palette[index]);
        const int green = qGreen(colour) - qGreen(palette[index]);
        const int blue = qBlue(colour) - qBlue(palette[index]);
        const int distance = red * red + green * green + blue * blue;
        if (distance < bestDistance) {
            best = index;
            bestDistance = distance;
        }
    }
    return std::uint8_t(best);
}

} // namespace

void FillNearestPalettePicture(const QImage& scaled, const QImage& frame, std::uint8_t* indices,
                               int stride, std::uint32_t* palette)
{
    // The frame's indices are only a means to its palette.
    std::vector<std::uint8_t> frameIndices(std::size_t(frame.width()) * frame.height());
    const QImage source = scaled.convertToFormat(QImage::Format_RGB32);
    // A frame of more colours than a palette gets one chosen from the
    // picture it became.
    if (!FillPalettePicture(frame, frameIndices.data(), frame.width(), palette)) {
        MapToChosenPalette(source, indices, stride, palette);
        return;
    }
    std::unordered_map<QRgb, std::uint8_t> nearest;
    for (int row = 0; row < source.height(); ++row) {
        const auto* line = reinterpret_cast<const QRgb*>(source.constScanLine(row));
        std::uint8_t* target = indices + std::ptrdiff_t(row) * stride;
        for (int x = 0; x < source.width(); ++x) {
            const QRgb colour = line[x] | 0xFF000000u;
            auto found = nearest.find(colour);
            if (found == nearest.end())
                found = nearest.emplace(colour, NearestEntry(colour, palette)).first;
            target[x] = found->second;
        }
    }
}

bool FillPalettePicture(const QImage& frame, std::uint8_t* indices, int stride,
                        std::uint32_t* palette)
{
    const QImage source = frame.convertToFormat(QImage::Format_RGB32);
    // Unused entries stay opaque: an encoder takes a see-through entry for
    // the transparent colour.
    std::fill(palette, palette + 256, 0xFF000000u);
    if (MapExactly(source, indices, stride, palette))
        return true;
    MapToChosenPalette(source, indices, stride, palette);
    return false;
}

} // namespace Export
