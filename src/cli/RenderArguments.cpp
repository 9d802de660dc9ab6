#include "cli/RenderArguments.h"

#include "cli/CommandLine.h"
#include "cli/FilmVariant.h"
#include "film/FrameNaming.h"
#include "film/ParameterCheck.h"
#include "platform/Numbers.h"
#include "render/FrameRenderer.h"
#include "render/PaletteNames.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <algorithm>
#include <climits>

namespace Cli {

namespace {

// Enough workers for any machine this runs on; more only costs memory.
constexpr int MaxThreads = 1024;

void ReadFrameRange(const QString& text, RenderOptions& options)
{
    static const QRegularExpression range(R"(^([0-9]{1,10})(?:-([0-9]{1,10}))?$)");
    const QRegularExpressionMatch match = range.match(text);
    const qint64 first = match.hasMatch() ? match.captured(1).toLongLong() : -1;
    const qint64 last =
        match.hasMatch() && match.hasCaptured(2) ? match.captured(2).toLongLong() : first;
    if (!match.hasMatch() || first > last || last > options.steps)
        throw UsageError(QString("--frames wants A-B with 0 <= A <= B <= %1 (the film's frames "
                                 "are 0 to %1), not \"%2\".")
                             .arg(options.steps)
                             .arg(text));
    options.firstFrame = std::int32_t(first);
    options.lastFrame = std::int32_t(last);
}

// A film whose numbers are too long to name its files would fail at every
// frame; it is refused once, before anything is written.
void RequireNamesThatFit(const RenderOptions& options)
{
    const QString folder = FilmFolderPath(QString(), options);
    // The last frame has the longest name.
    const double e = std::max(options.eMax, Film::FrameExponent(options.eMin, options.eMax,
                                                                options.steps, options.steps));
    const QString frame =
        QFileInfo(Film::FrameFilePath(QString(), e, Platform::DecimalSeparator())).fileName();
    for (const QString& name : {folder, frame}) {
        if (QFile::encodeName(name).size() > NAME_MAX)
            throw UsageError(QString("The film's file names would be longer than the %1 "
                                     "characters a file name may have (\"%2...\"); choose "
                                     "smaller exponents.")
                                 .arg(NAME_MAX)
                                 .arg(name.left(40)));
    }
}

} // namespace

int PaletteIndex(const QString& name)
{
    for (std::size_t i = 0; i < Film::PaletteNames.size(); ++i) {
        if (name.compare(QLatin1String(Film::PaletteNames[i]), Qt::CaseInsensitive) == 0)
            return int(i);
    }
    return -1;
}

QString PaletteNameList()
{
    QStringList names;
    for (const char* name : Film::PaletteNames)
        names << QLatin1String(name);
    return names.join(", ");
}

RenderOptions ParseRenderArguments(const QStringList& arguments)
{
    const ScannedArguments scanned = ScanArguments(
        arguments,
        {"--emin", "--emax", "--steps", "--pixels", "--palette", "--dir", "--frames", "--threads",
         "--supersample"},
        {"--resume", "--smooth"});
    if (!scanned.positional.isEmpty())
        throw UsageError(QString("Unexpected argument \"%1\".").arg(scanned.positional.front()));

    RenderOptions options;
    // The window's list starts on its first palette.
    const QString palette = scanned.values.value("--palette", Film::PaletteNames[0]);
    options.paletteIndex = PaletteIndex(palette);
    if (options.paletteIndex < 0)
        throw UsageError(QString("Unknown palette \"%1\"; the palettes are %2.")
                             .arg(palette, PaletteNameList()));

    const Film::ParameterCheck check =
        Film::CheckParameters({scanned.values.value("--emin"), scanned.values.value("--emax"),
                               scanned.values.value("--steps"), scanned.values.value("--pixels")},
                              MaxPixels);
    if (!check.passed)
        throw UsageError(check.message);
    options.eMin = *check.eMin;
    options.eMax = *check.eMax;
    options.steps = *check.steps;
    options.pixels = *check.pixels;
    if (scanned.values.contains("--supersample"))
        options.supersample =
            ReadCount(scanned.values["--supersample"], 1, Film::MaxSupersample, "--supersample");
    options.smooth = scanned.flags.contains("--smooth");
    RequireNamesThatFit(options);

    options.lastFrame = options.steps;
    if (scanned.values.contains("--frames"))
        ReadFrameRange(scanned.values["--frames"], options);
    if (scanned.values.contains("--threads"))
        options.threads = ReadCount(scanned.values["--threads"], 1, MaxThreads, "--threads");
    options.resume = scanned.flags.contains("--resume");
    if (scanned.values.contains("--dir"))
        options.parent = scanned.values["--dir"];
    if (options.parent.isEmpty())
        throw UsageError("--dir needs a folder.");
    return options;
}

} // namespace Cli
