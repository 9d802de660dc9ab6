#include "SavedPictureReading.h"

#include "platform/PictureFormat.h"

#include <optional>
#include <vector>

namespace Platform {

namespace {

constexpr qint64 FileHeaderBytes = 14;
constexpr qint64 InfoHeaderBytes = 40;
constexpr qint64 HeaderBytes = FileHeaderBytes + InfoHeaderBytes;

quint32 LittleEndian(const QByteArray& bytes, int at, int size)
{
    quint32 value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = value << 8 | quint8(bytes[at + i]);
    return value;
}

// Rows of 24-bit pixels fill whole 32-bit words.
qint64 RowBytes(qint64 width)
{
    return (width * 3 + 3) / 4 * 4;
}

// The side the header promises when it is a side this program may have made.
std::optional<int> Side(quint32 stored, int expected)
{
    const qint64 side = qint32(stored); // negative: rows stored top down, never written
    if (side <= 0 || side > LargestPictureSide || (expected > 0 && side != expected))
        return std::nullopt;
    return int(side);
}

} // namespace

bool ReadSavedBitmap(QFile& file, QSize size, QImage* into)
{
    if (!file.seek(0))
        return false;
    const QByteArray header = file.read(HeaderBytes);
    if (header.size() != HeaderBytes || !header.startsWith("BM"))
        return false;
    const std::optional<int> width = Side(LittleEndian(header, 18, 4), size.width());
    const std::optional<int> height = Side(LittleEndian(header, 22, 4), size.height());
    if (!width || !height)
        return false;
    const qint64 pixelBytes = RowBytes(*width) * *height;
    // The resolution (bytes 38 to 45) is left free: it does not touch the
    // pixels, and frames of older versions recorded the screen's.
    const bool asWritten =
        LittleEndian(header, 2, 4) == HeaderBytes + pixelBytes && LittleEndian(header, 6, 4) == 0 &&
        LittleEndian(header, 10, 4) == HeaderBytes &&
        LittleEndian(header, 14, 4) == InfoHeaderBytes && LittleEndian(header, 26, 2) == 1 &&
        LittleEndian(header, 28, 2) == 24 && LittleEndian(header, 30, 4) == 0 &&
        LittleEndian(header, 34, 4) == pixelBytes && LittleEndian(header, 46, 4) == 0 &&
        LittleEndian(header, 50, 4) == 0;
    if (!asWritten || file.size() != HeaderBytes + pixelBytes)
        return false;
    if (into == nullptr)
        return true;
    QImage image(*width, *height, QImage::Format_RGB32);
    if (image.isNull())
        return false;
    std::vector<char> row(std::size_t(RowBytes(*width)));
    for (int y = *height - 1; y >= 0; --y) {
        if (file.read(row.data(), qint64(row.size())) != qint64(row.size()))
            return false;
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < *width; ++x)
            line[x] = qRgb(quint8(row[3 * x + 2]), quint8(row[3 * x + 1]), quint8(row[3 * x]));
    }
    *into = std::move(image);
    return true;
}

} // namespace Platform
