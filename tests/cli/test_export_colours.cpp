#include "CliProcess.h"
#include "VideoProbe.h"
#include "platform/Pictures.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct FilmExportCase
{
    const char* name;
    QStringList render; // the film's options
    QStringList video;  // the export's
    int lines;          // of stderr: 2 without a warning
    const char* holds;  // what the video's bytes hold; null: not checked
    double colourError; // a GIF's largest mean error a channel; negative: not checked
};

class FilmExportTest : public testing::TestWithParam<FilmExportCase>
{
};

TEST_P(FilmExportTest, KeepsWhatTheFramesHold)
{
    const FilmExportCase& c = GetParam();
    QTemporaryDir work;
    const QStringList render = RenderArguments("2.3", "2.4", 1, 200, "Rainbow", work.path());
    ASSERT_EQ(RunCli(render + c.render, work.path()).exitCode, 0);
    const QDir film(
        work.filePath(QDir(work.path()).entryList(QDir::Dirs | QDir::NoDotAndDotDot)[0]));
    const CliResult result =
        RunCli(QStringList{"export", film.path(), "--out"} + c.video, work.path());
    ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
    EXPECT_EQ(result.err.count('\n'), c.lines) << result.err.toStdString();
    QFile video(work.filePath(c.video[0]));
    ASSERT_TRUE(video.open(QIODevice::ReadOnly));
    EXPECT_TRUE(c.holds == nullptr || video.readAll().contains(c.holds));
    if (c.colourError < 0)
        return;
    const VideoFacts facts = ProbeVideo(video.fileName(), true);
    const QStringList frames = film.entryList({"*.bmp"}, QDir::Files, QDir::Name);
    ASSERT_EQ(facts.pictures.size(), std::size_t(frames.size()));
    double error[3] = {};
    for (qsizetype k = 0; k < frames.size(); ++k) {
        const QImage frame = Platform::LoadPicture(film.filePath(frames[k]));
        for (int i = 0; i < 200 * 200; ++i)
            for (int shift = 0; shift < 24; shift += 8)
                error[shift / 8] +=
                    std::abs(int(facts.pictures[k].pixel(i % 200, i / 200) >> shift & 255) -
                             int(frame.pixel(i % 200, i / 200) >> shift & 255));
    }
    for (const double channel : error)
        EXPECT_LE(channel / (200.0 * 200.0 * double(frames.size())), c.colourError);
}

// A GIF keeps a default frame's colours exactly and gives a frame of more
// than 256 a palette of its own; smooth films' videos spend more on flat
// areas, against blocky steps; a lossless MP4 warns that browsers refuse it.
using C = FilmExportCase;
INSTANTIATE_TEST_SUITE_P(
    Cli, FilmExportTest,
    testing::Values(
        C{"GifOfDefaultFrames", {}, {"film.gif"}, 2, nullptr, 0.0},
        C{"GifOfSmoothFrames", {"--smooth"}, {"film.gif"}, 2, nullptr, 1.5},
        C{"GifOfSupersampledFrames", {"--supersample", "3"}, {"film.gif"}, 2, nullptr, 1.5},
        C{"Mp4OfADefaultFilm", {}, {"film.mp4"}, 2, " aq=1:1.00", -1},
        C{"Mp4OfASmoothFilm", {"--smooth"}, {"film.mp4"}, 2, " aq=3:1.50", -1},
        C{"Mp4OfASupersampledFilm", {"--supersample", "2"}, {"film.mp4"}, 2, " aq=3:1.50", -1},
        C{"LosslessMp4", {}, {"film.mp4", "--crf", "0"}, 3, nullptr, -1},
        C{"NearlyLosslessMp4", {}, {"film.mp4", "--crf", "1"}, 2, nullptr, -1},
        C{"LosslessWebM", {}, {"film.webm", "--crf", "0"}, 2, nullptr, -1}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
