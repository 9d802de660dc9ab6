#include "export/ExportArguments.h"

#include "export/VideoSize.h"
#include "film/FilmParameters.h"

namespace Export {

using namespace Terminal;

namespace {

// Ten minutes of one frame at the highest rate.
constexpr int MaxHold = 60000;

// "quality of .mp4 (0 to 51, default 18) and .webm (...)": the kinds that
// have a quality scale, with their limits.
QString CrfHelp()
{
    QStringList scales;
    for (const VideoKindFacts& facts : VideoKinds()) {
        if (facts.highestCrf >= 0)
            scales << QString(".%1 (0 to %2, default %3)")
                          .arg(facts.ending)
                          .arg(facts.highestCrf)
                          .arg(facts.defaultCrf);
    }
    const QString last = scales.takeLast();
    return "quality of " + scales.join(", ") + " and " + last + ": lower is better and larger";
}

QSize ReadSizeOption(const QString& text)
{
    const std::optional<QSize> size = ReadVideoSize(text, Film::MaxPixels);
    if (!size)
        throw UsageError(QString("--size wants WIDTHxHEIGHT, each from 1 to %1, such as "
                                 "1080x1080, not \"%2\".")
                             .arg(Film::MaxPixels)
                             .arg(text));
    return *size;
}

int ReadCrfOption(const QString& text, VideoKind kind)
{
    const int highest = FactsOf(kind).highestCrf;
    if (highest < 0)
        throw UsageError(
            QString("--crf sets the quality of .mp4 and .webm videos; a %1 has no quality scale.")
                .arg(VideoKindName(kind)));
    return ReadCount(text, 0, highest, QString("--crf for %1").arg(VideoKindName(kind)));
}

} // namespace

const OptionTable& ExportOptionTable()
{
    static const OptionTable table({
        {"--out", ValueKind::Text, "FILE", "the video to write; never left half-written"},
        {"--fps", ValueKind::Text, "N",
         QString("frames per second, from 1/%1 (a GIF: 100/%2) to %3: %4 (default), 29.97 "
                 "or 30000/1001, stored exactly")
             .arg(LongestFrameSeconds)
             .arg(FactsOf(VideoKind::Gif).longestFrameHundredths)
             .arg(MaxFramesPerSecond)
             .arg(FrameRateText(FrameRate{}))},
        {"--size", ValueKind::Text, "WxH",
         "scales the video to W x H pixels (area averaging when shrinking, Lanczos when "
         "enlarging); .mp4 and .webm get an odd side one pixel larger (default: the frame size)"},
        {"--crf", ValueKind::Text, "N", CrfHelp()},
        {"--pingpong", ValueKind::Flag, {}, "forward, then back, for a seamless loop"},
        {"--hold", ValueKind::Count, "N", "shows the first and the last frame N frame times", 1,
         MaxHold},
    });
    return table;
}

ExportOptions ParseExportArguments(const QStringList& arguments)
{
    const OptionTable& table = ExportOptionTable();
    const ScannedArguments scanned = table.scan(arguments);
    if (scanned.positional.size() != 1)
        throw UsageError("export needs exactly one film folder.");
    ExportOptions options;
    options.folder = scanned.positional.front();
    options.out = scanned.values.value("--out");
    if (options.out.isEmpty())
        throw UsageError(QString("export needs --out FILE (%1).").arg(VideoEndingList()));
    const std::optional<VideoKind> kind = VideoKindForPath(options.out);
    if (!kind)
        throw UsageError(QString("\"%1\" must end in %2 to choose the video type.")
                             .arg(options.out, VideoEndingList()));
    options.kind = *kind;
    if (scanned.values.contains("--fps"))
        options.tuning.rate = ReadFrameRateOption(scanned.values["--fps"]);
    // A kind that stores frame times in a few bits cannot show a frame longer.
    const int longest = FactsOf(options.kind).longestFrameHundredths;
    if (longest > 0 &&
        qint64(options.tuning.rate.numerator) * longest < 100LL * options.tuning.rate.denominator)
        throw UsageError(QString("--fps for a %1 wants at least 100/%2 frames per second: it "
                                 "shows a frame for at most %3 s, not \"%4\".")
                             .arg(VideoKindName(options.kind))
                             .arg(longest)
                             .arg(longest / 100.0, 0, 'f', 2)
                             .arg(scanned.values["--fps"]));
    if (scanned.values.contains("--size"))
        options.tuning.size = ReadSizeOption(scanned.values["--size"]);
    if (scanned.values.contains("--crf"))
        options.tuning.crf = ReadCrfOption(scanned.values["--crf"], options.kind);
    options.hold = table.count(scanned, "--hold", options.hold);
    options.pingpong = scanned.flags.contains("--pingpong");
    return options;
}

} // namespace Export
