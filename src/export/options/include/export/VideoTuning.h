#pragma once

#include <QSize>
#include <QString>
#include <optional>

namespace Export {

// Frames per second as an exact fraction, so that 30000/1001 is stored as
// such and not as a rounded decimal. Render plans a film's length by one.
struct FrameRate
{
    int numerator = 24;
    int denominator = 1;
    bool operator==(const FrameRate&) const = default;
};

// What the user may tune in a video; what is not given stays as before.
struct VideoTuning
{
    QSize size; // empty: the frames' own
    FrameRate rate;
    std::optional<int> crf;       // none: the kind's usual quality (its table's)
    bool smoothGradients = false; // the frames are smooth or supersampled
};

// The highest rate: players show GIF frame times in hundredths of a second
// and most videos stay well below it.
inline constexpr int MaxFramesPerSecond = 100;
// The lowest rate, one frame in this many seconds: slower, MP4's time base
// overflows after encoding, so it is refused before.
inline constexpr int LongestFrameSeconds = 1000;

// "24", "29.97" or "30000/1001", in lowest terms; none for anything else,
// for rates below 1/LongestFrameSeconds and above MaxFramesPerSecond.
std::optional<FrameRate> ReadFrameRate(const QString& text);

// The value of an --fps option, export's or render's. Throws
// Terminal::UsageError naming the option and its limits.
FrameRate ReadFrameRateOption(const QString& text);

// "24", "29.97", "29.970029..." for messages.
QString FrameRateText(FrameRate rate);

} // namespace Export
