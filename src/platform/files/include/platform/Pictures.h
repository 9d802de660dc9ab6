#pragma once

#include "platform/PictureFormat.h"

#include <QImage>
#include <QString>
#include <optional>

namespace Platform {

// Writes the image as an uncompressed 24-bit Windows bitmap, replacing a
// file (or a link) of that name. The bytes are staged beside it first, so the
// final name never holds a partial picture and no link is written through. Throws
// RuntimeError(PathNotWritable) when the folder is missing or not writable.
void SavePicture(const QImage& image, const QString& path);

// The same in the format given: PNG keeps the bitmap's pixels exactly.
void SavePicture(const QImage& image, const QString& path, PictureFormat format);

// Loads Qt's image format plugins on the calling thread. A program without
// an application object that saves on worker threads calls it first: the
// plugins are loaded on the first save and live to the end of the program,
// and loaded on a short-lived thread they are torn down after that thread's
// data at exit, corrupting the heap.
void LoadPictureFormats();

// Reads a picture as SavePicture writes it, in the format its name ends in
// (".png" a PNG, any other a bitmap), of the size given (empty: any size up
// to the largest frame): the reading HoldsSavedPicture judges by. Throws
// RuntimeError(FileNotFound) for a missing file or anything but a regular
// file (never blocking on one) and RuntimeError(InvalidArgument) for any
// other file. Prints nothing.
QImage LoadPicture(const QString& path, QSize size = {});

// A picture to fill and save: SavePicture writes it without a copy.
QImage NewPicture(int width, int height);

// Whether path holds a picture of this size as SavePicture writes it, in
// the format its name ends in: a regular file of its own (no link, FIFO or
// device, none of which is opened) that LoadPicture reads to its last pixel.
// The one test of a frame on disk, for keeping it on resume and for playing
// it on export. A PNG is decoded in full, one row in memory at a time.
bool HoldsSavedPicture(const QString& path, QSize size);

// The empty picture.
QImage LoadPicture();

} // namespace Platform
