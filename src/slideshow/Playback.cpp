#include "slideshow/Playback.h"

#include "platform/Numbers.h"
#include "platform/RuntimeError.h"

namespace SlideShow {

Position Advance(std::int32_t frame, std::int32_t direction, std::int32_t steps)
{
    // In 64 bits: the last frame of the longest film is the largest 32-bit
    // number.
    const std::int64_t moved = std::int64_t(frame) + direction;
    if (moved > steps)
        return {steps - 1, -1, true};
    if (moved < 0)
        return {1, 1, true};
    return {std::int32_t(moved), direction, false};
}

std::optional<std::int32_t> FrameTimeFromAnswer(const QString& answer)
{
    double value = 0;
    try {
        value = Platform::Val(answer);
    } catch (const Platform::RuntimeError&) {
        // A number too large for a double is as much out of range as 70000.
        return std::nullopt;
    }
    if (value < 1 || value > MaxFrameTime)
        return std::nullopt;
    return Platform::CLng(value);
}

bool IsShowCaption(const QString& caption)
{
    return Platform::Right(caption, 11) == "(SlideShow)";
}

} // namespace SlideShow
