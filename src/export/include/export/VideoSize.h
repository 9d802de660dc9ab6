#pragma once

#include "export/VideoKind.h"
#include "export/VideoTuning.h"

#include <QSize>
#include <QString>
#include <optional>

namespace Export {

// The picture size in a video of this kind: H.264 and VP9 in 4:2:0 need even
// sides, so an odd frame gets its last row and column repeated.
QSize VideoSizeFor(VideoKind kind, QSize frameSize);

// The picture size in the video: the size asked for, else the frames', made
// even where the kind needs it (an odd size asked for is scaled to one more).
QSize VideoSizeFor(VideoKind kind, QSize frameSize, const VideoTuning& tuning);

// Why a video of this kind cannot hold frames of this size; none when it can.
std::optional<QString> SizeRefusal(VideoKind kind, QSize frameSize);

// Why a video of this kind with frames of this size may not play; none when
// nothing speaks against it.
std::optional<QString> SizeWarning(VideoKind kind, QSize frameSize);

} // namespace Export
