#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>

namespace Cli {

// Whether path holds a frame as the film run writes it and export's reader
// reads it: a regular file of its own (no link, FIFO or device, none of
// which is opened), an uncompressed 24-bit bitmap of pixels x pixels with
// every pixel present. The one test for --resume and export alike.
bool IsWholeFrame(const QString& path, std::int32_t pixels);

// The names a frame of exponent e may be stored under in folder: with the
// user's decimal separator first, then with the other one (point or comma),
// for a film rendered in parts under different number settings.
QStringList FrameFileCandidates(const QString& folder, double e);

} // namespace Cli
