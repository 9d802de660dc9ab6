#pragma once

#include <QString>
#include <optional>
#include <span>
#include <utility>

namespace Export {

enum class VideoKind
{
    Mp4,  // H.264, yuv420p: plays in every browser and on phones
    WebM, // VP9
    Gif,  // an animated GIF that loops for ever
};

// Everything that differs between the kinds of video, in one table.
struct VideoKindFacts
{
    VideoKind kind;
    const char* ending; // of the file name, lower case
    const char* name;   // for messages
    const char* codec;  // the picture coding's own name
    const char* muxer;
    const char* encoder;
    // 4:2:0 colour, which needs even sides; otherwise a palette of the
    // frames' own colours.
    bool fourTwoZero;
    // The encoder's and the muxer's settings.
    std::span<const std::pair<const char*, const char*>> encoderOptions;
    std::span<const std::pair<const char*, const char*>> muxerOptions;
    // Pictures above this many 16 x 16 blocks are beyond what players take
    // (0: no such limit).
    qint64 playableMacroblocks;
    // Players show more frames per second than this at a lower rate
    // (0: no such limit).
    int playableFramesPerSecond;
    // The encoder's quality scale for --crf, 0 (best, largest) to this, and
    // its quality when none is asked for; negative for a kind without one.
    int highestCrf;
    int defaultCrf;
    // The profile a lossless video (--crf 0) takes when browsers refuse it;
    // none when they play it.
    const char* refusedLosslessProfile = nullptr;
    // Added to the encoder's settings for a film of smooth gradients (smooth
    // or supersampled frames), whose flat areas the encoder would otherwise
    // quantise into blocky steps.
    std::span<const std::pair<const char*, const char*>> gradientOptions = {};
    // The longest a frame may be shown, in hundredths of a second (0: as
    // long as any rate asks).
    int longestFrameHundredths = 0;
};

// Every kind's facts, in the order of VideoKind.
std::span<const VideoKindFacts> VideoKinds();

// The facts of a kind.
const VideoKindFacts& FactsOf(VideoKind kind);

// The kind of video a file name asks for by its ending, if any.
std::optional<VideoKind> VideoKindForPath(const QString& path);

// "MP4 (H.264)" and the like, for messages.
QString VideoKindName(VideoKind kind);

// Why a video of this kind at this quality may not play; none when nothing
// speaks against it.
std::optional<QString> QualityWarning(VideoKind kind, std::optional<int> crf);

// ".mp4, .webm or .gif", for messages and help.
QString VideoEndingList();

} // namespace Export
