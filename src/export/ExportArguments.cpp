#include "export/ExportArguments.h"

#include "terminal/CommandLine.h"

namespace Export {

using namespace Terminal;

namespace {

// Players show GIF frame times in hundredths of a second and most videos
// stay well below this.
constexpr int MaxFramesPerSecond = 100;
// Ten minutes of one frame at the highest rate.
constexpr int MaxHold = 60000;

} // namespace

ExportOptions ParseExportArguments(const QStringList& arguments)
{
    const ScannedArguments scanned = ScanArguments(arguments, ExportValueOptions(), {"--pingpong"});
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
        options.framesPerSecond =
            ReadCount(scanned.values["--fps"], 1, MaxFramesPerSecond, "--fps");
    if (scanned.values.contains("--hold"))
        options.hold = ReadCount(scanned.values["--hold"], 1, MaxHold, "--hold");
    options.pingpong = scanned.flags.contains("--pingpong");
    return options;
}

} // namespace Export
