#include "platform/Pictures.h"

#include "platform/RuntimeError.h"

#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>
#include <QSaveFile>

namespace Platform {

namespace {

// 96 dots per inch.
constexpr int BitmapDotsPerMeter = 3780;

// A bitmap's file header states the file's size; a shorter file lost its
// tail, which the image reader would fill with garbage instead of failing.
bool HasWholeBitmapFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray header = file.read(14);
    if (header.size() < 14 || header[0] != 'B' || header[1] != 'M')
        return false;
    const auto byte = [&](int i) { return quint32(quint8(header[i])); };
    const quint32 declaredSize = byte(2) | byte(3) << 8 | byte(4) << 16 | byte(5) << 24;
    return quint64(file.size()) >= declaredSize;
}

} // namespace

void SavePicture(const QImage& image, const QString& path)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw RuntimeError(ErrorKind::PathNotWritable, path);
    QImage picture = image.convertToFormat(QImage::Format_RGB32);
    // A bitmap records a resolution; a fixed one keeps the same frame the
    // same bytes whatever screen, or none, it was drawn on.
    picture.setDotsPerMeterX(BitmapDotsPerMeter);
    picture.setDotsPerMeterY(BitmapDotsPerMeter);
    QImageWriter writer(&file, "bmp");
    if (!writer.write(picture) || !file.commit())
        throw RuntimeError(ErrorKind::PathNotWritable, path);
}

QImage LoadPicture(const QString& path)
{
    if (!QFileInfo(path).isFile())
        throw RuntimeError(ErrorKind::FileNotFound, path);
    QImage image;
    if (HasWholeBitmapFile(path)) {
        QImageReader reader(path, "bmp");
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
