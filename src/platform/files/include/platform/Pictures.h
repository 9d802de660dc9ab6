#pragma once

#include <QImage>
#include <QString>
#include <optional>

namespace Platform {

// Writes the image as an uncompressed 24-bit Windows bitmap, replacing a
// file (or a link) of that name. The bytes are staged beside it first, so the
// final name never holds a partial picture and no link is written through. Throws
// RuntimeError(PathNotWritable) when the folder is missing or not writable.
void SavePicture(const QImage& image, const QString& path);

// Reads a bitmap written by SavePicture. Throws RuntimeError(FileNotFound)
// for a missing file and RuntimeError(InvalidArgument) for one that is not a
// whole, readable bitmap.
QImage LoadPicture(const QString& path);

// A picture to fill and save: SavePicture writes it without a copy.
QImage NewPicture(int width, int height);

struct BitmapShape
{
    QSize size;
    int bitsPerPixel = 0;
    bool operator==(const BitmapShape&) const = default;
};

// The shape of a bitmap file that holds all the pixels its headers promise;
// none for anything else. Reads only the headers.
std::optional<BitmapShape> WholeBitmapShape(const QString& path);

// The empty picture.
QImage LoadPicture();

} // namespace Platform
