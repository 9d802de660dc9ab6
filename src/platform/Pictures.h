#pragma once

#include <QImage>
#include <QString>

namespace Platform {

// Writes the image as an uncompressed 24-bit Windows bitmap, replacing a
// file of that name. The bytes go to a temporary file in the same folder
// first, so the final name never holds a partial picture. Throws
// RuntimeError(PathNotWritable) when the folder is missing or not writable.
void SavePicture(const QImage& image, const QString& path);

// Reads a bitmap written by SavePicture. Throws RuntimeError(FileNotFound)
// for a missing file and RuntimeError(InvalidArgument) for one that is not a
// whole, readable bitmap.
QImage LoadPicture(const QString& path);

// The empty picture.
QImage LoadPicture();

} // namespace Platform
