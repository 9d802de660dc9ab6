#pragma once

extern "C" {
#include <libavutil/log.h>
}

namespace Export {

// FFmpeg's own log lines ("[IMGUTILS @ 0x...] Picture size ... is
// invalid") would break into the program's; its failures are told in the
// program's words instead.
inline void QuietFFmpeg()
{
    av_log_set_level(AV_LOG_QUIET);
}

} // namespace Export
