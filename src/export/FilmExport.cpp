#include "export/FilmExport.h"

#include "EncodeProgress.h"
#include "export/AvailableMemory.h"
#include "export/MemoryPlan.h"
#include "export/PlayOrder.h"
#include "export/SizeRefusal.h"
#include "export/VideoWriter.h"
#include "film/FilmFolder.h"
#include "platform/Numbers.h"
#include "platform/Pictures.h"
#include "platform/RuntimeError.h"
#include "platform/StagedFile.h"
#include "terminal/ExitCodes.h"
#include "terminal/FolderCheck.h"

#include <QDir>
#include <QFileInfo>
#include <sched.h>
#include <thread>
#include <unistd.h>

namespace Export {

using namespace Film;
using namespace Terminal;

namespace {

QString FrameName(const FilmFrame& frame)
{
    return QString("Frame %1 (e=%2)")
        .arg(frame.k)
        .arg(Platform::Format(frame.e, u"0.000", Platform::DecimalSeparator()));
}

// The folder by its real name: "." or "film/.." name no film, the folder
// they stand for may.
std::optional<FilmParameters> FilmOfFolder(const QString& folder)
{
    const QFileInfo info(folder);
    if (auto film =
            ParseFilmFolderName(QFileInfo(QDir::cleanPath(info.absoluteFilePath())).fileName()))
        return film;
    return ParseFilmFolderName(QFileInfo(info.canonicalFilePath()).fileName());
}

void ReportMissing(const FilmFrames& frames, Console& console)
{
    for (const FilmFrame& frame : frames.missing)
        console.problem(QString("%1 is missing (%2); it is left out.")
                            .arg(FrameName(frame), QFileInfo(frame.path).fileName()));
    const std::int64_t unnamed = frames.missingCount - std::int64_t(frames.missing.size());
    if (unnamed > 0)
        console.problem(QString("%1 more frames are missing; they are left out.").arg(unnamed));
}

// The frames that can go into the video, the others reported: only a whole
// picture of the film's size, found as a resumed render finds it.
std::vector<FilmFrame> UsableFrames(const FilmFrames& frames, const FilmParameters& film,
                                    Console& console)
{
    ReportMissing(frames, console);
    const QSize size(film.pixels, film.pixels);
    const auto whole = [size](const QString& path) {
        return Platform::HoldsSavedPicture(path, size);
    };
    std::vector<FilmFrame> usable;
    std::size_t damaged = 0;
    for (FilmFrame frame : frames.present) {
        if (const std::optional<QString> path = WholeFrameFile(frame, whole)) {
            frame.path = *path;
            usable.push_back(frame);
        } else if (++damaged <= NamedFrames) {
            console.problem(QString("%1 is not a whole %2 x %2 %3 (%4); it is left out.")
                                .arg(FrameName(frame))
                                .arg(film.pixels)
                                .arg(frame.path.endsWith(".png") ? "PNG" : "bitmap")
                                .arg(QFileInfo(frame.path).fileName()));
        }
    }
    if (damaged > NamedFrames)
        console.problem(QString("%1 more frames are not whole pictures; they are left out.")
                            .arg(damaged - NamedFrames));
    return usable;
}

// Encodes the frames in order into the staged video; a frame that cannot be
// read after all is left out. Returns how many pictures went in.
qsizetype EncodeFrames(VideoWriter& writer, const std::vector<FilmFrame>& frames, QSize size,
                       const std::vector<int>& order, EncodeProgress& console,
                       const std::atomic<int>& stop)
{
    qsizetype encoded = 0;
    int loaded = -1;
    std::vector<bool> unreadable(frames.size(), false);
    QImage picture;
    for (const int index : order) {
        if (stop.load() != 0)
            return encoded;
        if (unreadable[index])
            continue;
        // The held end frames are read once.
        if (index != loaded) {
            try {
                picture = Platform::LoadPicture(frames[index].path, size);
                loaded = index;
            } catch (const Platform::RuntimeError&) {
                unreadable[index] = true;
                console.problem(
                    QString("%1 cannot be read (%2); it is left out.")
                        .arg(FrameName(frames[index]), QFileInfo(frames[index].path).fileName()));
                continue;
            }
        }
        writer.addFrame(picture);
        console.encoded(++encoded);
    }
    return encoded;
}

constexpr qint64 Megabyte = 1024 * 1024;

// The cores this process may run on, as the encoders count them.
int UsableCores()
{
    cpu_set_t cores;
    if (sched_getaffinity(0, sizeof(cores), &cores) == 0)
        return std::max(CPU_COUNT(&cores), 1);
    return int(std::max(1u, std::thread::hardware_concurrency()));
}

// What the encoder does differently to keep within the budget; none when
// it runs as usual.
std::optional<QString> PlanNote(const MemoryPlan& plan)
{
    const EncoderSettings& settings = plan.encoder;
    if (settings == EncoderSettings{0, false, -1, settings.usualThreads})
        return std::nullopt;
    QString threads;
    if (settings.threads > 0)
        threads = QString(settings.slicedThreads ? "runs %1 threads that share each picture and "
                                                 : "runs %1 thread and ")
                      .arg(settings.threads);
    return QString("To keep within %1 MB of memory, the encoder %2looks %3 frame%4 ahead.")
        .arg(plan.budget / Megabyte)
        .arg(threads)
        .arg(settings.lookahead)
        .arg(settings.lookahead == 1 ? "" : "s");
}

// A process limit (ulimit -u, a batch system's) may allow the encoder fewer
// threads than planned; the video is the same kind with those.
void TellFewerThreads(const VideoWriter& writer, Console& console)
{
    if (writer.threadsRunning() < writer.threadsPlanned())
        console.problem(QString("Only %1 of the %2 encoder threads could be started (the system "
                                "allows no more); the export goes on with them.")
                            .arg(writer.threadsRunning())
                            .arg(writer.threadsPlanned()));
}

int Stopped(Console& console, const std::atomic<int>& stop)
{
    console.problem("Stopped; no video was written.");
    return ExitForSignal(stop.load());
}

// Encodes the frames into a staged video that takes its final name only when
// it is whole.
int WriteVideo(const ExportOptions& options, const FilmParameters& film,
               const std::vector<FilmFrame>& frames, const EncoderSettings& settings,
               Console& console, const std::atomic<int>& stop)
{
    const std::vector<int> order = PlayOrder(int(frames.size()), options.pingpong, options.hold);
    console.note(QString("Encoding %1 frames (%2 of the film's %3) into \"%4\".")
                     .arg(order.size())
                     .arg(frames.size())
                     .arg(qint64(film.steps) + 1)
                     .arg(options.out));
    QSize videoSize;
    qsizetype encoded = 0;
    try {
        // A killed export of an earlier day may have left its staging here.
        Platform::ClearAbandonedStaging(QFileInfo(options.out).absolutePath());
        Platform::StagedFile staged(options.out);
        VideoWriter writer(options.kind, staged.path(), QSize(film.pixels, film.pixels),
                           options.tuning, settings);
        TellFewerThreads(writer, console);
        videoSize = writer.videoSize();
        {
            EncodeProgress progress(console, qsizetype(order.size()), isatty(STDERR_FILENO));
            encoded = EncodeFrames(writer, frames, QSize(film.pixels, film.pixels), order, progress,
                                   stop);
        }
        if (stop.load() != 0)
            return Stopped(console, stop);
        if (encoded == 0) {
            console.problem(
                QString("No frame of the film could be read in \"%1\".").arg(options.folder));
            return ExitFailure;
        }
        writer.finish();
        staged.commit();
    } catch (const VideoError& error) {
        console.problem(error.message());
        return ExitFailure;
    } catch (const Platform::RuntimeError& error) {
        console.problem(
            WithReason(QString("Cannot write \"%1\"").arg(options.out), error.reason()));
        return ExitFailure;
    }
    console.note(QString("Wrote \"%1\": %2, %3 x %4, %5 frames at %6 per second (%7 s).")
                     .arg(options.out, VideoKindName(options.kind),
                          QString::number(videoSize.width()), QString::number(videoSize.height()),
                          QString::number(encoded), FrameRateText(options.tuning.rate),
                          QString::number(double(encoded) * options.tuning.rate.denominator /
                                              options.tuning.rate.numerator,
                                          'f', 2)));
    return ExitSuccess;
}

} // namespace

int ExportFilm(const ExportOptions& options, Console& console, const std::atomic<int>& stop)
{
    if (!options.tuning.size.isEmpty()) {
        if (const std::optional<QString> refusal =
                SizeOptionRefusal(options.kind, options.tuning.size)) {
            console.problem(*refusal);
            return ExitUsage;
        }
    }
    if (const QString problem = FolderProblem(options.folder); !problem.isEmpty()) {
        console.problem(problem);
        return ExitFailure;
    }
    const std::optional<FilmParameters> film = FilmOfFolder(options.folder);
    if (!film) {
        console.problem(QString("\"%1\" is not a film folder: its name must read like "
                                "\"eMin=2 eMax=3 Steps=100 Pixels=512 Rainbow\".")
                            .arg(options.folder));
        return ExitUsage;
    }
    const QSize frameSize(film->pixels, film->pixels);
    const QSize size = options.tuning.size.isEmpty() ? frameSize : options.tuning.size;
    if (const std::optional<QString> refusal = SizeRefusal(options.kind, size)) {
        console.problem(*refusal);
        return ExitFailure;
    }
    // Refused before a frame is read where even the leanest encoder would
    // not fit in the memory there is.
    const QSize videoSize = VideoSizeFor(options.kind, frameSize, options.tuning);
    const qint64 available = AvailableMemory();
    const MemoryPlan plan =
        PlanMemory(options.kind, frameSize, videoSize, UsableCores(), available);
    if (!plan.fits()) {
        console.problem(QString("A %1 x %2 %3 video needs about %4 MB of memory to encode, even "
                                "with the encoder's leanest settings; %5 MB are available. Ask "
                                "--size for a smaller picture.")
                            .arg(videoSize.width())
                            .arg(videoSize.height())
                            .arg(VideoKindName(options.kind))
                            .arg(plan.leanest / Megabyte)
                            .arg(available / Megabyte));
        return ExitUsage;
    }
    const FilmFrames listed = ListFilmFrames(QDir::cleanPath(options.folder), *film, stop);
    if (listed.stopped)
        return Stopped(console, stop);
    const std::vector<FilmFrame> frames = UsableFrames(listed, *film, console);
    if (frames.empty()) {
        console.problem(QString("No frame of the film is in \"%1\".").arg(options.folder));
        return ExitFailure;
    }
    if (const std::optional<QString> warning = SizeWarning(options.kind, size))
        console.problem(*warning);
    if (const std::optional<QString> warning = QualityWarning(options.kind, options.tuning.crf))
        console.problem(*warning);
    if (const int playable = FactsOf(options.kind).playableFramesPerSecond;
        playable > 0 &&
        options.tuning.rate.numerator > qint64(playable) * options.tuning.rate.denominator)
        console.problem(QString("Browsers play a %1 of more than %2 frames per second at 10 "
                                "frames per second; a lower --fps plays as asked.")
                            .arg(QLatin1String(FactsOf(options.kind).codec))
                            .arg(playable));
    if (const std::optional<QString> note = PlanNote(plan))
        console.note(*note);
    ExportOptions tuned = options;
    tuned.tuning.smoothGradients = film->supersample > 1 || film->smooth;
    return WriteVideo(tuned, *film, frames, plan.encoder, console, stop);
}

} // namespace Export
