#include "export/VideoKind.h"

#include <QFileInfo>
#include <QStringList>
#include <array>

namespace Export {

namespace {

using Option = std::pair<const char*, const char*>;

constexpr std::array<Option, 1> H264Options = {{{"preset", "medium"}}};
// Constant quality (the crf with no bit rate); "good" with speed 4 is a fair
// trade for films.
constexpr std::array<Option, 4> Vp9Options = {
    {{"b", "0"}, {"deadline", "good"}, {"cpu-used", "4"}, {"row-mt", "1"}}};
// Adaptive quantisation that spends more on flat and dark areas keeps
// gradients from breaking into blocks; measured in the README.
constexpr std::array<Option, 2> H264GradientOptions = {{{"aq-mode", "3"}, {"aq-strength", "1.5"}}};
constexpr std::array<Option, 1> Vp9GradientOptions = {{{"aq-mode", "2"}}};
// The index at the front lets a browser start playing before the end.
constexpr std::array<Option, 1> Mp4MuxerOptions = {{{"movflags", "+faststart"}}};

// The largest level of H.264 allows this many 16 x 16 blocks a picture.
constexpr qint64 H264Macroblocks = 139264;
// Browsers play a GIF faster than this at 10 frames per second.
constexpr int GifFramesPerSecond = 50;
// A GIF keeps a frame's time in 16 bits of hundredths of a second.
constexpr int GifLongestFrame = 65535;

constexpr std::array<VideoKindFacts, 3> Kinds = {{
    {VideoKind::Mp4, "mp4", "MP4 (H.264)", "H.264", "mp4", "libx264", true, H264Options,
     Mp4MuxerOptions, H264Macroblocks, 0, 51, 18, "High 4:4:4 Predictive", H264GradientOptions},
    {VideoKind::WebM,
     "webm",
     "WebM (VP9)",
     "VP9",
     "webm",
     "libvpx-vp9",
     true,
     Vp9Options,
     {},
     0,
     0,
     63,
     30,
     nullptr,
     Vp9GradientOptions},
    {VideoKind::Gif,
     "gif",
     "GIF",
     "GIF",
     "gif",
     "gif",
     false,
     {},
     {},
     0,
     GifFramesPerSecond,
     -1,
     -1,
     nullptr,
     {},
     GifLongestFrame},
}};

} // namespace

std::span<const VideoKindFacts> VideoKinds()
{
    return Kinds;
}

const VideoKindFacts& FactsOf(VideoKind kind)
{
    return Kinds[std::size_t(kind)];
}

std::optional<VideoKind> VideoKindForPath(const QString& path)
{
    const QString ending = QFileInfo(path).suffix().toLower();
    for (const VideoKindFacts& facts : Kinds) {
        if (ending == QLatin1String(facts.ending))
            return facts.kind;
    }
    return std::nullopt;
}

QString VideoKindName(VideoKind kind)
{
    return QString::fromLatin1(FactsOf(kind).name);
}

std::optional<QString> QualityWarning(VideoKind kind, std::optional<int> crf)
{
    const VideoKindFacts& facts = FactsOf(kind);
    if (crf != 0 || facts.refusedLosslessProfile == nullptr)
        return std::nullopt;
    // A WebM with --crf 0 stays in VP9's profile 0, which every browser plays.
    return QString(
               "A lossless %1 (--crf 0) takes %2's %3 profile, which Firefox and many "
               "phones do not play; --crf 1, or a .webm with --crf 0, plays in Firefox and Chrome.")
        .arg(QString::fromLatin1(facts.ending).toUpper(), QLatin1String(facts.codec),
             QLatin1String(facts.refusedLosslessProfile));
}

QString VideoEndingList()
{
    QStringList endings;
    for (const VideoKindFacts& facts : Kinds)
        endings << "." + QLatin1String(facts.ending);
    const QString last = endings.takeLast();
    return endings.join(", ") + " or " + last;
}

} // namespace Export
