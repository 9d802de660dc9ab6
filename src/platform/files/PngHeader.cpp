#include "PngHeader.h"

#include <QFile>

namespace Platform {

namespace {

// Channels per pixel of each colour type; 0 for the types PNG lacks.
int PngChannels(int colourType)
{
    switch (colourType) {
    case 0: // grey
    case 3: // palette indices
        return 1;
    case 4: // grey and alpha
        return 2;
    case 2: // red, green, blue
        return 3;
    case 6: // red, green, blue, alpha
        return 4;
    default:
        return 0;
    }
}

quint32 BigEndian(const QByteArray& bytes, int at)
{
    quint32 value = 0;
    for (int i = 0; i < 4; ++i)
        value = value << 8 | quint8(bytes[at + i]);
    return value;
}

} // namespace

std::optional<PngHeader> ReadPngHeader(QFile& file)
{
    if (!file.seek(0))
        return std::nullopt;
    // Signature, the header chunk's length and type, then its 13 bytes.
    const QByteArray start = file.read(33);
    if (start.size() < 33 || !start.startsWith(PngSignature) || BigEndian(start, 8) != 13 ||
        start.mid(12, 4) != "IHDR")
        return std::nullopt;
    const quint32 width = BigEndian(start, 16);
    const quint32 height = BigEndian(start, 20);
    const int channels = PngChannels(quint8(start[25]));
    if (width == 0 || height == 0 || width > 65535 || height > 65535 || channels == 0)
        return std::nullopt;
    PngHeader header;
    header.shape = {QSize(int(width), int(height)), quint8(start[24]) * channels};
    static const QByteArray closing("\0\0\0\0IEND\xAE\x42\x60\x82", 12);
    header.endsWhole = file.seek(file.size() - closing.size()) && file.read(12) == closing;
    return header;
}

} // namespace Platform
