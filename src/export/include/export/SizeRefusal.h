#pragma once

#include "export/VideoKind.h"

#include <QSize>
#include <QString>
#include <optional>

namespace Export {

// Why a video of this kind cannot hold frames of this size, by FFmpeg's own
// limit; none when it can.
std::optional<QString> SizeRefusal(VideoKind kind, QSize frameSize);

// Why --size cannot be honoured by the scaler and the encoders; none when
// it can.
std::optional<QString> SizeOptionRefusal(VideoKind kind, QSize asked);

} // namespace Export
