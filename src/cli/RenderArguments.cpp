#include "cli/RenderArguments.h"

#include "FilmLength.h"
#include "export/VideoTuning.h"
#include "film/FrameNaming.h"
#include "film/ParameterCheck.h"
#include "platform/Numbers.h"
#include "render/FrameRenderer.h"
#include "terminal/OptionTable.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <algorithm>
#include <climits>

namespace Cli {

using namespace Terminal;

namespace {

// Enough workers for any machine this runs on; more only costs memory.
constexpr int MaxThreads = 1024;

void ReadFrameRange(const QString& text, RenderOptions& options)
{
    const std::int32_t steps = options.film.steps;
    static const QRegularExpression range(R"(^([0-9]{1,10})(?:-([0-9]{1,10}))?$)");
    const QRegularExpressionMatch match = range.match(text);
    const qint64 first = match.hasMatch() ? match.captured(1).toLongLong() : -1;
    const qint64 last =
        match.hasMatch() && match.hasCaptured(2) ? match.captured(2).toLongLong() : first;
    if (!match.hasMatch() || first > last || last > steps)
        throw UsageError(QString("--frames wants A-B with 0 <= A <= B <= %1 (the film's frames "
                                 "are 0 to %1), not \"%2\".")
                             .arg(steps)
                             .arg(text));
    options.firstFrame = std::int32_t(first);
    options.lastFrame = std::int32_t(last);
}

// A film whose numbers are too long to name its files would fail at every
// frame; it is refused once, before anything is written.
void RequireNamesThatFit(const Film::FilmParameters& film)
{
    const QString folder = film.folderName(Platform::DecimalSeparator());
    // The last frame has the longest name.
    const double e = std::max(film.eMax, film.frameExponent(film.steps));
    const QString frame =
        Film::FrameFileName(e, Platform::DecimalSeparator(), film.format, film.decimals);
    for (const QString& name : {folder, frame}) {
        if (QFile::encodeName(name).size() > NAME_MAX)
            throw UsageError(QString("The film's file names would be longer than the %1 "
                                     "characters a file name may have (\"%2...\"); choose "
                                     "smaller exponents.")
                                 .arg(NAME_MAX)
                                 .arg(name.left(40)));
    }
}

// The steps as given, or planned by the film's length; plan tells how.
QString StepsText(const OptionTable& table, const ScannedArguments& scanned, QString& plan)
{
    if (!scanned.values.contains("--seconds")) {
        if (scanned.values.contains("--fps"))
            throw UsageError("--fps plans a film's length with --seconds; export's --fps sets "
                             "how fast a video plays.");
        return table.number(scanned, "--steps");
    }
    if (scanned.values.contains("--steps"))
        throw UsageError("Give either --steps or --seconds, not both.");
    FilmLength length{scanned.values["--seconds"], {}};
    if (scanned.values.contains("--fps"))
        length.rate = Export::ReadFrameRateOption(scanned.values["--fps"]);
    const std::int32_t steps = StepsForLength(length);
    plan = LengthPlanText(length, steps);
    return QString::number(steps);
}

// The check's refusal, telling how many decimals would let the film's steps
// through where more would.
QString RefusalWithHint(const Film::ParameterCheck& check, int decimals)
{
    if (check.field != Film::ParameterField::Steps)
        return check.message;
    const std::optional<int> finer =
        Film::DecimalsThatFit(*check.eMin, *check.eMax, *check.steps, decimals);
    if (!finer)
        return check.message;
    return check.message +
           QString(" With --decimals %1, up to %2 steps fit.")
               .arg(*finer)
               .arg(qint64(Platform::Int(Film::StepsLimit(*check.eMin, *check.eMax, *finer))));
}

// The film the arguments describe, read once and given the window's check;
// plan tells how its steps were chosen.
Film::FilmParameters ReadFilm(const OptionTable& table, const ScannedArguments& scanned,
                              QString& plan)
{
    // The window's list starts on its first palette.
    const QString palette = scanned.values.value("--palette");
    const int paletteIndex = palette.isNull() ? 0 : Film::PaletteIndex(palette);
    if (paletteIndex < 0)
        throw UsageError(QString("Unknown palette \"%1\"; the palettes are %2.")
                             .arg(palette, Film::PaletteNameList()));

    const int decimals = table.count(scanned, "--decimals", Film::DefaultDecimals);
    const Film::ParameterCheck check =
        Film::CheckParameters({table.number(scanned, "--emin"), table.number(scanned, "--emax"),
                               StepsText(table, scanned, plan), table.number(scanned, "--pixels")},
                              Film::MaxPixels, decimals);
    if (!check.passed)
        throw UsageError(RefusalWithHint(check, decimals));
    Film::FilmParameters film = Film::CheckedFilm(check, paletteIndex);
    film.decimals = decimals;
    film.supersample = table.count(scanned, "--supersample", film.supersample);
    film.smooth = scanned.flags.contains("--smooth");
    film.adaptive = scanned.flags.contains("--adaptive");
    if (film.adaptive && film.supersample < 2)
        throw UsageError("--adaptive needs --supersample 2 or more: it chooses which pixels get "
                         "the N x N samples.");
    RequireNamesThatFit(film);
    return film;
}

// "Rainbow (default), Grey, ... or Yellow".
QString PaletteChoices()
{
    QString palettes = Film::PaletteNameList();
    palettes.replace(palettes.indexOf(','), 1, " (default),");
    palettes.replace(palettes.lastIndexOf(", "), 2, " or ");
    return palettes;
}

} // namespace

const OptionTable& RenderOptionTable()
{
    static const OptionTable table({
        {"--emin", ValueKind::Number, "E", "the minimum exponent, at least 1"},
        {"--emax", ValueKind::Number, "E", "the maximum exponent, above the minimum"},
        {"--steps", ValueKind::WholeNumber, "N",
         "the number of steps, a whole number; the film has N + 1 frames"},
        {"--seconds", ValueKind::Text, "S",
         QString("instead of --steps: a film that plays S seconds at --fps (default %1), of S x "
                 "fps frames, N = S x fps - 1; S x fps must be a whole number")
             .arg(Export::FrameRateText(Export::FrameRate{}))},
        {"--fps", ValueKind::Text, "R",
         "frames per second with --seconds, as export reads them (24, 29.97 or 30000/1001); "
         "export's own --fps sets how fast the video plays"},
        {"--decimals", ValueKind::Count, "D",
         QString("decimals of the exponent in the frame names, %1 (default, the window's) to "
                 "%2: N may go up to (max - min) x 10^D")
             .arg(Film::DefaultDecimals)
             .arg(Film::MaxDecimals),
         Film::DefaultDecimals, Film::MaxDecimals},
        {"--pixels", ValueKind::WholeNumber, "N",
         QString("width and height of a frame, from %1 to %2")
             .arg(Film::MinPixels)
             .arg(Film::MaxPixels)},
        {"--palette", ValueKind::Text, "NAME", PaletteChoices()},
        {"--dir", ValueKind::Text, "PARENT", "an existing folder (default: the current folder)"},
        {"--frames", ValueKind::Text, "A-B",
         "only frames A to B of the film's 0 to N; A alone: one frame"},
        {"--threads", ValueKind::Count, "N",
         QString("worker threads, 1 to %1 (default: one per core)").arg(MaxThreads), 1, MaxThreads},
        {"--resume",
         ValueKind::Flag,
         {},
         "keeps the frames of the range already on disk whole, in either format, exactly those "
         "export plays, and renders only the missing or damaged ones"},
        {"--format", ValueKind::Text, "F",
         "bmp (default: the window's bitmaps) or png: the same pixels in a few percent of the "
         "bytes, as PowerReels-*.png"},
        {"--supersample", ValueKind::Count, "N",
         QString("anti-aliasing: each pixel the mean of N x N samples spread over it, averaged "
                 "in linear light; 1 (default) to %1; 3 costs 7 to 9 times the default time")
             .arg(Render::MaxSupersample),
         1, Render::MaxSupersample},
        {"--adaptive",
         ValueKind::Flag,
         {},
         "with --supersample N of 2 or more: the N x N samples only for the pixels near an edge "
         "of the plain frame, each the same as in the full film; --supersample 3 --adaptive "
         "costs about 2 times the default time and is the choice for films to share"},
        {"--smooth",
         ValueKind::Flag,
         {},
         "colours from a continuous escape value instead of the whole count: no bands outside "
         "the set, whose points stay the same black"},
    });
    return table;
}

RenderOptions ParseRenderArguments(const QStringList& arguments)
{
    const OptionTable& table = RenderOptionTable();
    const ScannedArguments scanned = table.scan(arguments);
    if (!scanned.positional.isEmpty())
        throw UsageError(QString("Unexpected argument \"%1\".").arg(scanned.positional.front()));

    RenderOptions options;
    options.film = ReadFilm(table, scanned, options.lengthPlan);
    options.lastFrame = options.film.steps;
    if (scanned.values.contains("--frames"))
        ReadFrameRange(scanned.values["--frames"], options);
    options.threads = table.count(scanned, "--threads", options.threads);
    options.resume = scanned.flags.contains("--resume");
    if (scanned.values.contains("--format")) {
        const std::optional<Platform::PictureFormat> format =
            Platform::PictureFormatNamed(scanned.values["--format"]);
        if (!format)
            throw UsageError(
                QString("--format is bmp or png, not \"%1\".").arg(scanned.values["--format"]));
        options.film.format = *format;
    }
    if (scanned.values.contains("--dir"))
        options.parent = scanned.values["--dir"];
    if (options.parent.isEmpty())
        throw UsageError("--dir needs a folder.");
    return options;
}

} // namespace Cli
