#include "cli/FilmRender.h"

#include "cli/ExitCodes.h"
#include "film/FrameNaming.h"
#include "film/FrameRenderer.h"
#include "film/PaletteNames.h"
#include "platform/Files.h"
#include "platform/Numbers.h"
#include "platform/PackedColumns.h"
#include "platform/Pictures.h"
#include "platform/RuntimeError.h"
#include "platform/StagedFile.h"

#include <QFileInfo>

namespace Cli {

namespace {

// The film's folder, made if missing (a parallel render of another part of
// the film may have made it a moment ago). Empty when it cannot be had.
QString MakeFilmFolder(const RenderOptions& options, Console& console)
{
    if (!QFileInfo(options.parent).isDir()) {
        console.problem(QString("The folder \"%1\" does not exist.").arg(options.parent));
        return {};
    }
    QString base = options.parent;
    if (!base.endsWith('/'))
        base += '/';
    const QString folder =
        Film::FrameFolderPath(base, options.eMin, options.eMax, options.steps, options.pixels,
                              QLatin1String(Film::PaletteNames[options.paletteIndex]));
    try {
        Platform::MkDir(folder);
    } catch (const Platform::RuntimeError&) {
        // Already there is fine; the check below tells the other cases.
    }
    if (!QFileInfo(folder).isDir()) {
        console.problem(QString("Cannot make the film folder \"%1\".").arg(folder));
        return {};
    }
    Platform::ClearAbandonedStaging(folder);
    return folder;
}

// Renders one frame column by column; false when stopped before its end.
bool RenderFrame(const Film::FrameRequest& request, QImage& image, RenderObserver& observer,
                 const std::atomic<int>& stop)
{
    Film::FrameRender render(request);
    for (int x = 0; x < request.pixels; ++x) {
        if (stop.load() != 0) {
            render.abort();
            return false;
        }
        render.waitForColumn(x);
        Platform::PutPackedColumn(image, x, render.column(x));
        observer.columnsFinished(x + 1, request.pixels);
    }
    return true;
}

} // namespace

int RenderFilm(const RenderOptions& options, RenderObserver& observer, const std::atomic<int>& stop)
{
    const QString folder = MakeFilmFolder(options, observer);
    if (folder.isEmpty())
        return ExitFailure;

    // Counted in 64 bits: the last frame of the longest film is the largest
    // 32-bit number.
    const std::int64_t frameCount = std::int64_t(options.lastFrame) - options.firstFrame + 1;
    observer.filmStarted(folder, frameCount);
    Film::FrameRequest request;
    request.pixels = options.pixels;
    request.paletteIndex = options.paletteIndex;
    request.threads = options.threads;
    QImage image(options.pixels, options.pixels, QImage::Format_RGB32);
    std::int64_t unsaved = 0;
    for (std::int64_t k = options.firstFrame; k <= options.lastFrame; ++k) {
        const double e = Film::RenderedExponent(
            Film::FrameExponent(options.eMin, options.eMax, options.steps, k));
        observer.frameStarted(k - options.firstFrame + 1, e);
        request.e = e;
        if (!RenderFrame(request, image, observer, stop)) {
            observer.filmEnded();
            observer.problem(QString("Stopped: frame %1 (e=%2) was abandoned.")
                                 .arg(k)
                                 .arg(Platform::Format(e, u"0.000")));
            return ExitForSignal(stop.load());
        }
        const QString path = Film::FrameFilePath(folder, e);
        try {
            Platform::SavePicture(image, path);
            observer.frameSaved(path);
        } catch (const Platform::RuntimeError&) {
            ++unsaved;
            observer.problem(QString("Frame %1 (e=%2) could not be written to \"%3\".")
                                 .arg(k)
                                 .arg(Platform::Format(e, u"0.000"), path));
        }
    }
    observer.filmEnded();

    std::int64_t missing = 0;
    for (std::int64_t k = options.firstFrame; k <= options.lastFrame; ++k) {
        const double e = Film::FrameExponent(options.eMin, options.eMax, options.steps, k);
        if (!QFileInfo(Film::FrameFilePath(folder, e)).isFile())
            ++missing;
    }
    if (missing > 0)
        observer.problem(QString("%1 of the %2 frames are missing in \"%3\".")
                             .arg(missing)
                             .arg(frameCount)
                             .arg(folder));
    // A frame that failed to save may have left an older file of its name.
    return missing > 0 || unsaved > 0 ? ExitFailure : ExitSuccess;
}

} // namespace Cli
