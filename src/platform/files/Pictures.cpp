#include "platform/Pictures.h"

#include "SavedPictureReading.h"
#include "platform/RuntimeError.h"
#include "platform/StagedFile.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageWriter>
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

// The one reading of a picture file, in the format its name ends in: a
// bitmap under a ".png" name, or a PNG under any other, is not a whole
// picture of its name.
bool ReadSavedPicture(QFile& file, const QString& path, QSize size, QImage* into)
{
    return PictureFormatNamed(QFileInfo(path).suffix()) == PictureFormat::Png
               ? ReadSavedPng(file, size, into)
               : ReadSavedBitmap(file, size, into);
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
    return !size.isEmpty() && OpenRegularFile(path, Links::Refused, file) &&
           ReadSavedPicture(file, path, size, nullptr);
}

QImage LoadPicture(const QString& path, QSize size)
{
    QFile file;
    if (!OpenRegularFile(path, Links::Followed, file))
        throw RuntimeError(ErrorKind::FileNotFound, path);
    QImage image;
    if (!ReadSavedPicture(file, path, size, &image))
        throw RuntimeError(ErrorKind::InvalidArgument, path);
    return image;
}

QImage LoadPicture()
{
    return {};
}

} // namespace Platform
