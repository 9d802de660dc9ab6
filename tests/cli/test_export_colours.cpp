#include "CliProcess.h"
#include "VideoProbe.h"
#include "platform/Pictures.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <gtest/gtest.h>

namespace {

struct GifColourCase
{
    const char* name;
    QStringList options; // of the render
    double meanError;    // the largest channel's, in levels
};

class GifColourTest : public testing::TestWithParam<GifColourCase>
{
};

// A two-frame film of e 2.3 to 2.4, rendered with these options into work.
QDir RenderedFilm(const QTemporaryDir& work, const QStringList& options)
{
    const QStringList render = {"render",  "--emin", "2.3",      "--emax", "2.4",
                                "--steps", "1",      "--pixels", "200"};
    EXPECT_EQ(RunCli(render + options, work.path()).exitCode, 0);
    return QDir(work.filePath(QDir(work.path()).entryList(QDir::Dirs | QDir::NoDotAndDotDot)[0]));
}

// A GIF keeps the colours of a default frame exactly; frames of more than a
// palette's 256 get palettes of their own, close to them.
TEST_P(GifColourTest, StaysCloseToTheFrames)
{
    const GifColourCase& c = GetParam();
    QTemporaryDir work;
    const QDir film = RenderedFilm(work, c.options);
    const CliResult exported = RunCli({"export", film.path(), "--out", "film.gif"}, work.path());
    ASSERT_EQ(exported.exitCode, 0) << exported.err.toStdString();

    const VideoFacts facts = ProbeVideo(work.filePath("film.gif"), true);
    const QStringList frames = film.entryList({"*.bmp"}, QDir::Files, QDir::Name);
    ASSERT_EQ(facts.pictures.size(), std::size_t(frames.size()));
    double error[3] = {0, 0, 0};
    for (qsizetype k = 0; k < frames.size(); ++k) {
        const QImage frame = Platform::LoadPicture(film.filePath(frames[k]));
        for (int y = 0; y < frame.height(); ++y) {
            for (int x = 0; x < frame.width(); ++x) {
                const QRgb shown = facts.pictures[k].pixel(x, y);
                const QRgb wanted = frame.pixel(x, y);
                error[0] += std::abs(qRed(shown) - qRed(wanted));
                error[1] += std::abs(qGreen(shown) - qGreen(wanted));
                error[2] += std::abs(qBlue(shown) - qBlue(wanted));
            }
        }
    }
    const double pixels = 200.0 * 200.0 * double(frames.size());
    EXPECT_LE(*std::max_element(error, error + 3) / pixels, c.meanError);
}

INSTANTIATE_TEST_SUITE_P(Cli, GifColourTest,
                         testing::Values(GifColourCase{"DefaultExactly", {}, 0.0},
                                         GifColourCase{"Smooth", {"--smooth"}, 1.5},
                                         GifColourCase{
                                             "Supersampled", {"--supersample", "3"}, 1.5}),
                         [](const auto& info) { return std::string(info.param.name); });

struct GradientCase
{
    const char* name;
    QStringList options;  // of the render
    const char* settings; // x264's adaptive quantisation, as it notes it in the video
};

class GradientTest : public testing::TestWithParam<GradientCase>
{
};

// Smooth and supersampled films spend more on flat areas, against blocky
// steps; a default film's MP4 is made as it was.
TEST_P(GradientTest, TunesTheEncoderForSmoothFilmsAlone)
{
    const GradientCase& c = GetParam();
    QTemporaryDir work;
    const QDir film = RenderedFilm(work, c.options);
    ASSERT_EQ(RunCli({"export", film.path(), "--out", "film.mp4"}, work.path()).exitCode, 0);
    QFile video(work.filePath("film.mp4"));
    ASSERT_TRUE(video.open(QIODevice::ReadOnly));
    EXPECT_TRUE(video.readAll().contains(c.settings));
}

INSTANTIATE_TEST_SUITE_P(
    Cli, GradientTest,
    testing::Values(GradientCase{"DefaultFilm", {}, " aq=1:1.00"},
                    GradientCase{"SmoothFilm", {"--smooth"}, " aq=3:1.50"},
                    GradientCase{"SupersampledFilm", {"--supersample", "2"}, " aq=3:1.50"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
