#include "cli/FilmExport.h"

#include "cli/ExitCodes.h"
#include "cli/FilmFolder.h"
#include "cli/PlayOrder.h"
#include "platform/Numbers.h"
#include "platform/Pictures.h"
#include "platform/RuntimeError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <cstdio>
#include <unistd.h>

namespace Cli {

namespace {

QString FrameName(const FilmFrame& frame)
{
    return QString("Frame %1 (e=%2)").arg(frame.k).arg(Platform::Format(frame.e, u"0.000"));
}

// The frames that can go into the video, the others reported.
std::vector<FilmFrame> UsableFrames(const QString& folder, const FilmParameters& film,
                                    Console& console)
{
    const FilmFrames frames = ListFilmFrames(folder, film);
    for (const FilmFrame& frame : frames.missing)
        console.problem(QString("%1 is missing (%2); it is left out.")
                            .arg(FrameName(frame), QFileInfo(frame.path).fileName()));
    std::vector<FilmFrame> usable;
    for (const FilmFrame& frame : frames.present) {
        const QSize size = QImageReader(frame.path, "bmp").size();
        if (size == QSize(film.pixels, film.pixels)) {
            usable.push_back(frame);
        } else {
            console.problem(QString("%1 is not a %2 x %2 bitmap (%3); it is left out.")
                                .arg(FrameName(frame))
                                .arg(film.pixels)
                                .arg(QFileInfo(frame.path).fileName()));
        }
    }
    return usable;
}

// Beside the final file, so that the rename stays within one file system;
// hidden, so that nothing watching the folder takes it for a video.
QString TemporaryPath(const QString& out)
{
    const QFileInfo info(out);
    return info.absolutePath() + "/." + info.fileName() + "." +
           QString::number(qint64(::getpid())) + ".part";
}

} // namespace

int ExportFilm(const ExportOptions& options, Console& console, const std::atomic<int>& stop)
{
    const QString folder = QDir::cleanPath(options.folder);
    if (!QFileInfo(folder).isDir()) {
        console.problem(QString("The folder \"%1\" does not exist.").arg(options.folder));
        return ExitFailure;
    }
    const std::optional<FilmParameters> film = ParseFilmFolderName(QFileInfo(folder).fileName());
    if (!film) {
        console.problem(QString("\"%1\" is not a film folder: its name must read like "
                                "\"eMin=2 eMax=3 Steps=100 Pixels=512 Rainbow\".")
                            .arg(options.folder));
        return ExitUsage;
    }
    const std::vector<FilmFrame> frames = UsableFrames(folder, *film, console);
    if (frames.empty()) {
        console.problem(QString("No frame of the film is in \"%1\".").arg(options.folder));
        return ExitFailure;
    }

    if (options.kind == VideoKind::Gif && options.framesPerSecond > 50)
        console.problem("Browsers play a GIF of more than 50 frames per second at 10 frames per "
                        "second; a lower --fps plays as asked.");
    const std::vector<int> order = PlayOrder(int(frames.size()), options.pingpong, options.hold);
    const QString temporary = TemporaryPath(options.out);
    console.note(QString("Encoding %1 frames (%2 of the film's %3) into \"%4\".")
                     .arg(order.size())
                     .arg(frames.size())
                     .arg(qint64(film->steps) + 1)
                     .arg(options.out));
    QSize videoSize;
    try {
        VideoWriter writer(options.kind, temporary, QSize(film->pixels, film->pixels),
                           options.framesPerSecond);
        videoSize = writer.videoSize();
        int loaded = -1;
        QImage picture;
        for (const int index : order) {
            if (stop.load() != 0) {
                QFile::remove(temporary);
                console.problem("Stopped; no video was written.");
                return ExitForSignal(stop.load());
            }
            // The held end frames are read once.
            if (index != loaded) {
                picture = Platform::LoadPicture(frames[index].path);
                loaded = index;
            }
            writer.addFrame(picture);
        }
        writer.finish();
    } catch (const VideoError& error) {
        QFile::remove(temporary);
        console.problem(error.message());
        return ExitFailure;
    } catch (const Platform::RuntimeError& error) {
        QFile::remove(temporary);
        console.problem(QString::fromLocal8Bit(error.what()));
        return ExitFailure;
    }

    // rename replaces an older video of that name in one step.
    if (std::rename(QFile::encodeName(temporary).constData(),
                    QFile::encodeName(options.out).constData()) != 0) {
        QFile::remove(temporary);
        console.problem(QString("Cannot write \"%1\".").arg(options.out));
        return ExitFailure;
    }
    console.note(QString("Wrote \"%1\": %2, %3 x %4, %5 frames at %6 per second (%7 s).")
                     .arg(options.out, VideoKindName(options.kind),
                          QString::number(videoSize.width()), QString::number(videoSize.height()),
                          QString::number(order.size()), QString::number(options.framesPerSecond),
                          QString::number(double(order.size()) / options.framesPerSecond, 'f', 2)));
    return ExitSuccess;
}

} // namespace Cli
