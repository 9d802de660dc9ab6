#pragma once

#include "export/VideoKind.h"
#include "export/VideoTuning.h"

#include <QSize>
#include <QString>
#include <optional>

namespace Export {

// "1280x720" (or "1280X720"), each side from 1 to largest; none otherwise.
std::optional<QSize> ReadVideoSize(const QString& text, int largest);

// The picture size in a video of this kind: H.264 and VP9 in 4:2:0 need even
// sides, so an odd frame gets its last row and column repeated.
QSize VideoSizeFor(VideoKind kind, QSize frameSize);

// The picture size in the video: the size asked for, else the frames', made
// even where the kind needs it (an odd size asked for is scaled to one more).
QSize VideoSizeFor(VideoKind kind, QSize frameSize, const VideoTuning& tuning);

// Why a video of this kind with frames of this size may not play; none when
// nothing speaks against it.
std::optional<QString> SizeWarning(VideoKind kind, QSize frameSize);

} // namespace Export
