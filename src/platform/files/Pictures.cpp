#include "platform/Pictures.h"

#include "PngHeader.h"
#include "platform/RuntimeError.h"
#include "platform/StagedFile.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QImageWriter>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace Platform {

namespace {

// 96 dots per inch.
constexpr int BitmapDotsPerMeter = 3780;

// zlib's fastest level: a frame shrinks to a few percent of its bitmap and
// is compressed faster than the next frame renders (the CliRender
// benchmark's png rows); higher levels save little more and cost several
// times the time.
constexpr int PngZlibLevel = 1;

// Qt's PNG writer takes the zlib level as a quality from 100 (level 0) down
// to 0 (level 9).
constexpr int PngQuality = 100 - (PngZlibLevel * 91 + 8) / 9;

// What the image reader allocates for a picture of this size, in megabytes.
qint64 ReadingMegabytes(QSize size)
{
    return qint64(size.width()) * size.height() * 4 / (1024 * 1024) + 1;
}

// No picture file this program reads may promise more than its largest frame.
const qint64 LargestPictureMegabytes =
    ReadingMegabytes(QSize(LargestPictureSide, LargestPictureSide));

// What the headers of a bitmap file promise.
struct BitmapHeader
{
    BitmapShape shape;
    qint64 declaredFileSize = 0;
    qint64 pixelDataEnd = 0; // 0 when compressed: only the file size tells
};

std::optional<BitmapHeader> ReadBitmapHeader(QFile& file)
{
    const QByteArray header = file.read(54);
    if (header.size() < 54 || header[0] != 'B' || header[1] != 'M')
        return std::nullopt;
    const auto number = [&](int at, int bytes) {
        quint32 value = 0;
        for (int i = bytes - 1; i >= 0; --i)
            value = value << 8 | quint8(header[at + i]);
        return value;
    };
    // The old core header has 16-bit sides; a negative height stores the
    // rows top down.
    const bool core = number(14, 4) == 12;
    const qint64 width = core ? number(18, 2) : qint32(number(18, 4));
    const qint64 height = core ? number(20, 2) : std::abs(qint64(qint32(number(22, 4))));
    const quint32 bitsPerPixel = core ? number(24, 2) : number(28, 2);
    const quint32 compression = core ? 0 : number(30, 4);
    if (width <= 0 || height <= 0 || width > 65535 || height > 65535 || bitsPerPixel == 0)
        return std::nullopt;
    BitmapHeader bitmap;
    bitmap.shape = {QSize(int(width), int(height)), int(bitsPerPixel), compression == 0};
    bitmap.declaredFileSize = number(2, 4);
    // Uncompressed rows (plain or with bit fields) fill whole 32-bit words.
    if (compression == 0 || compression == 3)
        bitmap.pixelDataEnd = number(10, 4) + (width * bitsPerPixel + 31) / 32 * 4 * height;
    return bitmap;
}

enum class Links
{
    Followed,
    Refused,
};

// Opens path for reading only when it is a regular file. A FIFO or a device
// under a picture's name would block the open or the reads for ever, so it is
// judged before anything is opened, and what was opened is judged again in
// case it was swapped meanwhile.
bool OpenRegularFile(const QString& path, Links links, QFile& file)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat info = {};
    const int found = links == Links::Followed ? ::stat(name.constData(), &info)
                                               : ::lstat(name.constData(), &info);
    if (found != 0 || !S_ISREG(info.st_mode))
        return false;
    const int descriptor = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC |
                                                        (links == Links::Refused ? O_NOFOLLOW : 0));
    if (descriptor < 0)
        return false;
    if (::fstat(descriptor, &info) != 0 || !S_ISREG(info.st_mode) ||
        !file.open(descriptor, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(descriptor);
        return false;
    }
    return true;
}

// A bitmap whose file lost its tail would be read with garbage in place of
// the lost rows; one that promises more pixels than its file holds could
// make the reader allocate gigabytes for nothing.
std::optional<BitmapShape> WholeBitmap(QFile& file, qint64* pixelBytes = nullptr)
{
    const std::optional<BitmapHeader> header = ReadBitmapHeader(file);
    if (!header || file.size() < header->declaredFileSize || file.size() < header->pixelDataEnd)
        return std::nullopt;
    if (pixelBytes != nullptr)
        *pixelBytes = header->pixelDataEnd;
    return header->shape;
}

// The image reader refuses pictures above a fixed size, which this program's
// largest frames exceed; what a whole uncompressed file holds may be read.
void AllowReading(QSize size, qint64 pixelBytes)
{
    if (pixelBytes == 0)
        return;
    const qint64 megabytes = ReadingMegabytes(size);
    if (megabytes > QImageReader::allocationLimit() && megabytes <= LargestPictureMegabytes)
        QImageReader::setAllocationLimit(int(megabytes));
}

// The image reader's limit raised for a PNG as large as this program's
// frames, never beyond. The file is one opened as a regular file.
QImage ReadPng(QFile& file, const PngHeader& header)
{
    const qint64 megabytes = ReadingMegabytes(header.shape.size);
    if (megabytes > LargestPictureMegabytes || !file.seek(0))
        return {};
    if (megabytes > QImageReader::allocationLimit())
        QImageReader::setAllocationLimit(int(megabytes));
    QImageReader reader(&file, "png");
    reader.setDecideFormatFromContent(false);
    return reader.read();
}

// Whole: decodes to its last pixel without error and ends in its closing
// chunk. One of another size than expected is not decoded at all.
std::optional<BitmapShape> WholePngShape(QFile& file, const PngHeader& header, QSize expected)
{
    if (header.shape.size != expected || !header.endsWhole)
        return std::nullopt;
    const QImage image = ReadPng(file, header);
    if (image.isNull() || image.size() != expected)
        return std::nullopt;
    return header.shape;
}

} // namespace

void SavePicture(const QImage& image, const QString& path)
{
    SavePicture(image, path, PictureFormat::Bmp);
}

void SavePicture(const QImage& image, const QString& path, PictureFormat format)
{
    StagedFile staged(path);
    QFile file(staged.path());
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        throw RuntimeError(ErrorKind::PathNotWritable, path, file.errorString());
    QImage picture = image.convertToFormat(QImage::Format_RGB32);
    // A bitmap records a resolution; a fixed one keeps the same frame the
    // same bytes whatever screen, or none, it was drawn on. Setting it on a
    // shared picture would copy it.
    if (picture.dotsPerMeterX() != BitmapDotsPerMeter ||
        picture.dotsPerMeterY() != BitmapDotsPerMeter) {
        picture.setDotsPerMeterX(BitmapDotsPerMeter);
        picture.setDotsPerMeterY(BitmapDotsPerMeter);
    }
    QImageWriter writer(&file, PictureSuffix(format).toLatin1());
    if (format == PictureFormat::Png)
        writer.setQuality(PngQuality);
    const bool written = writer.write(picture);
    file.close();
    if (!written || file.error() != QFileDevice::NoError)
        throw RuntimeError(ErrorKind::PathNotWritable, path,
                           file.error() != QFileDevice::NoError ? file.errorString()
                                                                : writer.errorString());
    staged.commit();
}

void LoadPictureFormats()
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QImageWriter(&buffer, "bmp").write(QImage(1, 1, QImage::Format_RGB32));
}

QImage NewPicture(int width, int height)
{
    QImage picture(width, height, QImage::Format_RGB32);
    picture.setDotsPerMeterX(BitmapDotsPerMeter);
    picture.setDotsPerMeterY(BitmapDotsPerMeter);
    return picture;
}

bool HoldsSavedPicture(const QString& path, QSize size)
{
    QFile file;
    if (!OpenRegularFile(path, Links::Refused, file))
        return false;
    const std::optional<PngHeader> png = ReadPngHeader(file);
    const std::optional<BitmapShape> shape =
        png ? WholePngShape(file, *png, size) : (file.seek(0) ? WholeBitmap(file) : std::nullopt);
    return shape && *shape == BitmapShape{size, 24, true};
}

QImage LoadPicture(const QString& path)
{
    QFile file;
    if (!OpenRegularFile(path, Links::Followed, file))
        throw RuntimeError(ErrorKind::FileNotFound, path);
    QImage image;
    qint64 pixelBytes = 0;
    if (const std::optional<PngHeader> png = ReadPngHeader(file)) {
        if (png->endsWhole)
            image = ReadPng(file, *png);
    } else if (const std::optional<BitmapShape> shape =
                   file.seek(0) ? WholeBitmap(file, &pixelBytes) : std::nullopt;
               shape && file.seek(0)) {
        AllowReading(shape->size, pixelBytes);
        QImageReader reader(&file, "bmp");
        reader.setDecideFormatFromContent(false);
        image = reader.read();
    }
    if (image.isNull())
        throw RuntimeError(ErrorKind::InvalidArgument, path);
    return image.convertToFormat(QImage::Format_RGB32);
}

QImage LoadPicture()
{
    return {};
}

} // namespace Platform
