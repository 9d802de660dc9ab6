#pragma once

#include <QString>
#include <cstdint>
#include <optional>

// The slide show's rules, over plain values.
namespace SlideShow {

// Where the show stands after a frame was shown.
struct Position
{
    std::int32_t frame = 0;     // the frame the next tick shows
    std::int32_t direction = 1; // +1 rising exponent, -1 falling
    bool turned = false;        // an end frame was just shown: hold it longer
};

// Moves on from the frame just shown, turning at frame 0 and at frame steps
// so that an end frame is shown once per turn.
Position Advance(std::int32_t frame, std::int32_t direction, std::int32_t steps);

// The longest frame time in milliseconds: the longest interval of the form's
// timer.
inline constexpr std::int32_t MaxFrameTime = 65535;

// The frame time in milliseconds that an answer asks for, or nothing when it
// is not a number from 1 to 65535.
std::optional<std::int32_t> FrameTimeFromAnswer(const QString& answer);

// Only a caption that ends in "(SlideShow)" marks a show the keys act on.
bool IsShowCaption(const QString& caption);

} // namespace SlideShow
