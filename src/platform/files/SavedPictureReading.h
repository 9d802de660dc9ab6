#pragma once

#include <QFile>
#include <QImage>
#include <QSize>

namespace Platform {

// Strict readers of the picture files SavePicture writes, and of nothing
// else, so that a file they pass is read to exactly the pixels it stores.
// file: opened as a regular file. size: the size the picture must have;
// empty takes any up to the largest frame. into: receives the pixels as
// RGB32; null only judges the file, reading what the judgement needs.
// Neither prints a word: a file is whole or it is not.

// The 54-byte header with a 40-byte information header, one plane, 24 bits,
// uncompressed, bottom up, its sizes and offset as written, every row there
// and nothing after them.
bool ReadSavedBitmap(QFile& file, QSize size, QImage* into);

// 8-bit RGB, not interlaced, every chunk's checksum good, the image data
// decoding to its last pixel, and the closing chunk the end of the file.
bool ReadSavedPng(QFile& file, QSize size, QImage* into);

} // namespace Platform
