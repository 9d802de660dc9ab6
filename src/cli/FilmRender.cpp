#include "cli/FilmRender.h"

#include "FilmFolderChoice.h"
#include "cli/FrameWriter.h"
#include "film/FilmFolder.h"
#include "film/FrameNaming.h"
#include "platform/Numbers.h"
#include "platform/PackedColumns.h"
#include "platform/Pictures.h"
#include "render/FrameRenderer.h"
#include "terminal/ExitCodes.h"

#include <algorithm>
#include <memory>
#include <optional>
#include <vector>

namespace Cli {

using namespace Terminal;

namespace {

// The frames of the range that are on disk whole, in order, of those the
// folder's listing found as export finds them: under either decimal separator
// (parts of a film may have been rendered under different number settings)
// and in either format. None when the stop came first.
std::optional<std::vector<std::int64_t>> WholeFrames(const Film::FilmFrames& listed,
                                                     const RenderOptions& options,
                                                     const std::atomic<int>& stop)
{
    if (listed.stopped)
        return std::nullopt;
    const QSize size(options.film.pixels, options.film.pixels);
    const auto whole = [size](const QString& path) {
        return Platform::HoldsSavedPicture(path, size);
    };
    std::vector<std::int64_t> frames;
    for (const Film::FilmFrame& frame : listed.present) {
        if (stop.load() != 0)
            return std::nullopt;
        if (frame.k >= options.firstFrame && frame.k <= options.lastFrame &&
            Film::WholeFrameFile(frame, whole))
            frames.push_back(frame.k);
    }
    return frames;
}

// The frames to render in order, each with its render started ahead of time
// so that the cores go on to the next frame while one ends.
class FrameQueue
{
public:
    FrameQueue(const RenderOptions& options, std::vector<std::int64_t> kept,
               Render::WorkerBudget& budget)
        : m_options(options), m_budget(budget), m_kept(std::move(kept)), m_next(options.firstFrame)
    {
        skipKept();
    }

    bool empty() const { return m_next > m_options.lastFrame; }

    // Starts the next frame's render unless it has started.
    void prepare()
    {
        if (!m_prepared && !empty()) {
            Render::FrameRequest request = m_options.film.frameRequest(m_next);
            request.threads = m_options.threads;
            request.budget = &m_budget;
            m_prepared = std::make_unique<Render::FrameRender>(request);
        }
    }

    // The next frame's index and render.
    std::pair<std::int64_t, std::unique_ptr<Render::FrameRender>> take()
    {
        prepare();
        const std::int64_t k = m_next++;
        skipKept();
        return {k, std::move(m_prepared)};
    }

private:
    void skipKept()
    {
        while (m_keptAt < m_kept.size() && m_kept[m_keptAt] < m_next)
            ++m_keptAt;
        while (m_keptAt < m_kept.size() && m_kept[m_keptAt] == m_next) {
            ++m_next;
            ++m_keptAt;
        }
    }

    const RenderOptions& m_options;
    Render::WorkerBudget& m_budget;
    const std::vector<std::int64_t> m_kept;
    std::size_t m_keptAt = 0;
    std::int64_t m_next;
    std::unique_ptr<Render::FrameRender> m_prepared;
};

// Takes the frame's columns from left to right into image; starts the next
// frame once every column of this one has gone to a worker. False when
// stopped before its end.
bool CollectFrame(Render::FrameRender& render, QImage& image, FrameQueue& queue,
                  FrameWriter& writer, RenderObserver& observer, const std::atomic<int>& stop)
{
    for (int x = 0; x < render.pixels(); ++x) {
        if (stop.load() != 0)
            return false;
        render.waitForColumn(x);
        Platform::PutPackedColumn(image, x, render.column(x));
        observer.columnsFinished(x + 1, render.pixels());
        if (render.allColumnsHandedOut())
            queue.prepare();
        writer.report(false);
    }
    return true;
}

// The last line after a stop: how to finish the film without starting over.
void TellHowToFinish(const RenderOptions& options, RenderObserver& observer)
{
    observer.note(options.resume
                      ? QString("To finish the film, run the same command again.")
                      : QString("To finish the film, run the same command again with --resume."));
}

// A process limit (ulimit -u, a batch system's) may allow fewer threads
// than asked for; those that run give the same frames.
void TellFewerThreads(const Render::FrameRender& render, Console& console)
{
    console.problem(QString("Only %1 of the %2 worker threads asked for could be started (the "
                            "system allows no more); the render goes on with them.")
                        .arg(std::max(render.workers(), 1))
                        .arg(render.workersAsked()));
}

// How the film ends: every frame of the range on disk, or the missing ones
// told.
int FinishFilm(const QString& folder, const RenderOptions& options, std::int64_t rendered,
               const FrameWriter& writer, RenderObserver& observer)
{
    const std::int64_t rangeCount = std::int64_t(options.lastFrame) - options.firstFrame + 1;
    const std::atomic<int> finishing{0};
    const Film::FilmFrames listed = Film::ListFilmFrames(folder, options.film, finishing);
    const std::int64_t missing =
        rangeCount - std::int64_t(WholeFrames(listed, options, finishing)->size());
    if (missing > 0)
        observer.problem(QString("%1 of the %2 frames are missing in \"%3\".")
                             .arg(missing)
                             .arg(rangeCount)
                             .arg(folder));
    observer.filmSummary(rendered - writer.failures(), writer.failures());
    // A frame that failed to save may have left an older file of its name.
    return missing > 0 || writer.failures() > 0 ? ExitFailure : ExitSuccess;
}

// How a stopped film ends: the frame abandoned, how to finish it.
int StopFilm(std::int64_t k, double e, std::int64_t rendered, const RenderOptions& options,
             const FrameWriter& writer, RenderObserver& observer, const std::atomic<int>& stop)
{
    observer.problem(
        QString("Stopped: frame %1 (e=%2) was abandoned.")
            .arg(k)
            .arg(Film::ExponentText(e, Platform::DecimalSeparator(), options.film.decimals)));
    observer.filmSummary(rendered - writer.failures(), writer.failures());
    TellHowToFinish(options, observer);
    return ExitForSignal(stop.load());
}

// Renders the frames of the range that are not kept, each written while the
// next one renders; the exit code as RenderFilm gives it.
int RenderFrames(const FilmFolderChoice& folder, const RenderOptions& options,
                 std::vector<std::int64_t> kept, std::int64_t toRender, RenderObserver& observer,
                 const std::atomic<int>& stop)
{
    // --threads counts the workers of the whole film: they go on from one
    // frame to the next. More than a frame's columns would have nothing to do.
    Render::WorkerBudget budget(
        std::min(options.threads > 0 ? options.threads : Render::WorkerBudget::Cores(),
                 options.film.pixels));
    FrameQueue queue(options, std::move(kept), budget);
    FrameWriter writer(observer, options.film.format);
    bool toldThreads = false;
    for (std::int64_t position = 1; !queue.empty(); ++position) {
        auto [k, render] = queue.take();
        if (!toldThreads && render->workers() < render->workersAsked()) {
            TellFewerThreads(*render, observer);
            toldThreads = true;
        }
        // Told by the exponent it is named after.
        const FrameOfRender frame{k, position, options.film.frameExponent(k),
                                  options.film.framePath(folder.path, k, folder.separator),
                                  std::chrono::steady_clock::now()};
        observer.frameStarted(position, k, frame.e);
        QImage image = Platform::NewPicture(options.film.pixels, options.film.pixels);
        if (!CollectFrame(*render, image, queue, writer, observer, stop)) {
            writer.report(true);
            observer.filmEnded();
            return StopFilm(k, frame.e, position - 1, options, writer, observer, stop);
        }
        writer.write(std::move(image), frame);
    }
    writer.report(true);
    observer.filmEnded();
    return FinishFilm(folder.path, options, toRender, writer, observer);
}

} // namespace

int RenderFilm(const RenderOptions& options, RenderObserver& observer, const std::atomic<int>& stop)
{
    FilmFolderChoice folder = ChooseFilmFolder(options, observer, stop);
    if (folder.path.isEmpty())
        return ExitFailure;
    // One read of the folder tells both what is kept and, for a folder named
    // without a decimal separator, the one its frames are named with.
    std::optional<Film::FilmFrames> listed;
    if (options.resume || folder.separator.isNull())
        listed = Film::ListFilmFrames(folder.path, options.film, stop);
    if (folder.separator.isNull())
        folder.separator = listed->separator;
    std::optional<std::vector<std::int64_t>> kept =
        options.resume ? WholeFrames(*listed, options, stop) : std::vector<std::int64_t>();
    if (!kept) {
        observer.problem("Stopped before any frame was rendered.");
        TellHowToFinish(options, observer);
        return ExitForSignal(stop.load());
    }
    // Counted in 64 bits: the last frame of the longest film is the largest
    // 32-bit number.
    const std::int64_t rangeCount = std::int64_t(options.lastFrame) - options.firstFrame + 1;
    const std::int64_t keptCount = std::int64_t(kept->size());
    observer.filmStarted(folder.path, rangeCount - keptCount, keptCount, options);
    return RenderFrames(folder, options, std::move(*kept), rangeCount - keptCount, observer, stop);
}

} // namespace Cli
