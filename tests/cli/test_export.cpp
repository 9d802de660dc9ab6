#include "CliProcess.h"
#include "VideoProbe.h"
#include "platform/Pictures.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QThread>
#include <cmath>
#include <csignal>
#include <gtest/gtest.h>

namespace {

// Two small films, rendered once for all export tests.
struct Films
{
    QTemporaryDir parent;
    QString even; // 104 x 104, frames 0..4
    QString odd;  // 105 x 105, frames 0..2
};

const Films& TestFilms()
{
    static const Films films = [] {
        Films made;
        const QString parent = made.parent.path();
        for (const QStringList& arguments : {RenderArguments("2", "3", 4, 104, "Rainbow", parent),
                                             RenderArguments("2", "3", 2, 105, "Blue", parent)}) {
            const CliResult result = RunCli(arguments, parent);
            if (result.exitCode != 0)
                ADD_FAILURE() << result.err.toStdString();
        }
        made.even = parent + "/eMin=2 eMax=3 Steps=4 Pixels=104 Rainbow";
        made.odd = parent + "/eMin=2 eMax=3 Steps=2 Pixels=105 Blue";
        return made;
    }();
    return films;
}

QString FramePath(const QString& film, const char* name)
{
    return film + "/PowerReels-" + name + ".bmp";
}

const char* const EvenFrames[] = {"002.000", "002.250", "002.500", "002.750", "003.000"};

// What is left in the output folder besides the video itself.
QStringList Leftovers(const QString& folder, const QString& video)
{
    QStringList entries =
        QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    entries.removeAll(video);
    return entries;
}

struct VideoCase
{
    const char* name;
    bool oddFilm;
    const char* ending;
    QStringList options;
    int frames;
    int framesPerSecond;
    const char* codec;
    int size;
};

class ExportTest : public testing::TestWithParam<VideoCase>
{
};

TEST_P(ExportTest, GivesTheFramesSizeAndDuration)
{
    const VideoCase& c = GetParam();
    QTemporaryDir out;
    const QString video = QString("film.") + c.ending;
    const QString film = c.oddFilm ? TestFilms().odd : TestFilms().even;

    const CliResult result =
        RunCli(QStringList{"export", film, "--out", video} + c.options, out.path());

    ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
    // Off a terminal, what it starts and what it wrote: no progress.
    EXPECT_EQ(result.err.count('\n'), 2) << result.err.toStdString();
    EXPECT_EQ(Leftovers(out.path(), video), QStringList());
    const VideoFacts facts = ProbeVideo(out.path() + "/" + video);
    EXPECT_EQ(facts.codec, QString(c.codec));
    EXPECT_EQ(facts.frames, c.frames);
    EXPECT_EQ(facts.width, c.size);
    EXPECT_EQ(facts.height, c.size);
    // GIF keeps times in hundredths of a second.
    const double seconds = double(c.frames) / c.framesPerSecond;
    EXPECT_NEAR(facts.seconds, seconds, 0.0101);
    EXPECT_NEAR(facts.containerSeconds, seconds, 0.0101);
}

INSTANTIATE_TEST_SUITE_P(
    Cli, ExportTest,
    testing::Values(
        VideoCase{"Mp4Forward", false, "mp4", {}, 5, 24, "h264", 104},
        // 0 0 0 1 2 3 4 4 4 3 2 1
        VideoCase{"Mp4PingpongHoldingTheEnds",
                  false,
                  "mp4",
                  {"--pingpong", "--hold", "3"},
                  12,
                  24,
                  "h264",
                  104},
        VideoCase{"Mp4OddFramesPaddedToEven", true, "mp4", {"--fps", "30"}, 3, 30, "h264", 106},
        VideoCase{"GifPingpong",
                  false,
                  "gif",
                  {"--pingpong", "--hold", "3", "--fps", "10"},
                  12,
                  10,
                  "gif",
                  104},
        VideoCase{"GifKeepsOddFrames", true, "gif", {}, 3, 24, "gif", 105},
        VideoCase{"WebMPingpongHeldLikeTheSlideShow",
                  false,
                  "webm",
                  {"--pingpong", "--hold", "10", "--fps", "25"},
                  26,
                  25,
                  "vp9",
                  104}),
    [](const auto& info) { return std::string(info.param.name); });

struct TunedCase
{
    const char* name;
    QString ending;
    QStringList options;
    QSize size;
    QString rate;          // as ffprobe's r_frame_rate; empty: not checked (GIF keeps hundredths)
    const char* higherCrf; // compared with the default quality, if given
};

class TunedExportTest : public testing::TestWithParam<TunedCase>
{
};

TEST_P(TunedExportTest, GivesTheSizeRateAndQualityAskedFor)
{
    const TunedCase& c = GetParam();
    QTemporaryDir out;
    const QStringList export_ = {"export", TestFilms().even, "--out"};
    const QString video = out.path() + "/film." + c.ending;
    const CliResult result = RunCli(export_ + QStringList{video} + c.options, out.path());
    ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();

    const VideoFacts facts = ProbeVideo(video, true);
    EXPECT_EQ(facts.frames, 5);
    EXPECT_EQ(QSize(facts.width, facts.height), c.size);
    if (!c.rate.isEmpty()) {
        EXPECT_EQ(QString("%1/%2").arg(facts.rateNumerator).arg(facts.rateDenominator), c.rate);
    }
    if (c.higherCrf != nullptr) {
        const QString worse = out.path() + "/worse." + c.ending;
        ASSERT_EQ(RunCli(export_ + QStringList{worse, "--crf", c.higherCrf} + c.options, out.path())
                      .exitCode,
                  0);
        EXPECT_LT(QFileInfo(worse).size(), QFileInfo(video).size());
    }
    // A scaled GIF keeps to the colours of its frames.
    const QImage first = Platform::LoadPicture(FramePath(TestFilms().even, EvenFrames[0]));
    QSet<QRgb> colours;
    for (int y = 0; c.ending == "gif" && y < first.height(); ++y)
        for (int x = 0; x < first.width(); ++x)
            colours.insert(first.pixel(x, y));
    for (int y = 0; c.ending == "gif" && y < facts.pictures[0].height(); ++y)
        for (int x = 0; x < facts.pictures[0].width(); ++x)
            ASSERT_TRUE(colours.contains(facts.pictures[0].pixel(x, y))) << x << ", " << y;
}

INSTANTIATE_TEST_SUITE_P(
    Cli, TunedExportTest,
    testing::Values(
        TunedCase{"Mp4Shrunk", "mp4", {"--size", "64x48"}, QSize(64, 48), "24/1", "35"},
        TunedCase{"Mp4OddSizeMadeEven", "mp4", {"--size", "63x63"}, QSize(64, 64), "24/1", nullptr},
        TunedCase{
            "Mp4NtscRate", "mp4", {"--fps", "30000/1001"}, QSize(104, 104), "30000/1001", nullptr},
        TunedCase{"WebMEnlargedAtAnNtscRate",
                  "webm",
                  {"--size", "160x160", "--fps", "30000/1001"},
                  QSize(160, 160),
                  "30000/1001",
                  "50"},
        TunedCase{"GifShrunk", "gif", {"--size", "52x52"}, QSize(52, 52), "", nullptr}),
    [](const auto& info) { return std::string(info.param.name); });

// A frame there in both formats is taken from the bitmap, or from the PNG
// when the bitmap is not whole; a PNG alone is read as well.
TEST(CliExport, TakesTheBitmapBeforeThePngUnlessItIsDamaged)
{
    QTemporaryDir work;
    const QString film = work.path() + "/eMin=2 eMax=3 Steps=4 Pixels=104 Rainbow";
    ASSERT_TRUE(QDir().mkpath(film));
    std::vector<QImage> frames;
    for (const char* name : EvenFrames)
        frames.push_back(Platform::LoadPicture(FramePath(TestFilms().even, name)));
    QImage other(104, 104, QImage::Format_RGB32);
    other.fill(qRgb(200, 30, 60));
    // Bitmap only, PNG only, both, both with the bitmap cut short, bitmap only.
    const std::vector<std::pair<QImage, QImage>> files = {
        {frames[0], {}}, {{}, frames[1]}, {frames[2], other}, {other, frames[3]}, {frames[4], {}}};
    for (std::size_t k = 0; k < files.size(); ++k) {
        const QString name = film + "/PowerReels-" + EvenFrames[k];
        if (!files[k].first.isNull())
            Platform::SavePicture(files[k].first, name + ".bmp");
        if (!files[k].second.isNull())
            Platform::SavePicture(files[k].second, name + ".png", Platform::PictureFormat::Png);
    }
    QFile cut(FramePath(film, "002.750"));
    ASSERT_TRUE(cut.resize(cut.size() - 1000));

    const CliResult result = RunCli({"export", film, "--out", "film.gif"}, work.path());

    ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
    EXPECT_FALSE(result.err.contains("left out")) << result.err.toStdString();
    const VideoFacts facts = ProbeVideo(work.path() + "/film.gif", true);
    ASSERT_EQ(facts.pictures.size(), frames.size());
    for (std::size_t k = 0; k < frames.size(); ++k)
        EXPECT_TRUE(facts.pictures[k] == frames[k]) << "frame " << k;
}

TEST(CliExport, DrawsAProgressBarOnATerminal)
{
    QTemporaryDir out;
    const CliResult result =
        RunCliOnTerminal({"export", TestFilms().even, "--out", out.path() + "/film.mp4"});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_TRUE(result.err.contains("\rframe 5 of 5 [####################] 100%  elapsed "))
        << result.err.toStdString();
    EXPECT_TRUE(result.err.contains("Wrote")) << result.err.toStdString();
}

// A GIF of this program's frames is lossless: each picture is its frame, in
// the pingpong order with held ends.
TEST(CliExport, GifShowsTheFramesExactlyInPingpongOrder)
{
    QTemporaryDir out;
    const CliResult result = RunCli(
        {"export", TestFilms().even, "--out", "film.gif", "--pingpong", "--hold", "2"}, out.path());
    ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();

    const VideoFacts facts = ProbeVideo(out.path() + "/film.gif", true);
    const std::vector<int> order = {0, 0, 1, 2, 3, 4, 4, 3, 2, 1};
    ASSERT_EQ(facts.pictures.size(), order.size());
    for (std::size_t i = 0; i < order.size(); ++i) {
        const QImage frame =
            Platform::LoadPicture(FramePath(TestFilms().even, EvenFrames[order[i]]));
        EXPECT_TRUE(facts.pictures[i] == frame) << "picture " << i;
    }
}

double MeanDifference(const QImage& a, const QImage& b)
{
    double sum = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
                   std::abs(qBlue(p) - qBlue(q));
        }
    }
    return sum / (3.0 * a.width() * a.height());
}

// H.264 is lossy: each picture must still be closest to the frame that
// belongs at its place, and close to it.
TEST(CliExport, Mp4ShowsTheFramesInPingpongOrder)
{
    QTemporaryDir out;
    const CliResult result =
        RunCli({"export", TestFilms().even, "--out", "film.mp4", "--pingpong"}, out.path());
    ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();

    std::vector<QImage> frames;
    for (const char* name : EvenFrames)
        frames.push_back(Platform::LoadPicture(FramePath(TestFilms().even, name)));
    const VideoFacts facts = ProbeVideo(out.path() + "/film.mp4", true);
    const std::vector<int> order = {0, 1, 2, 3, 4, 3, 2, 1};
    ASSERT_EQ(facts.pictures.size(), order.size());
    for (std::size_t i = 0; i < order.size(); ++i) {
        std::vector<double> differences;
        for (const QImage& frame : frames)
            differences.push_back(MeanDifference(facts.pictures[i], frame));
        const auto closest = std::min_element(differences.begin(), differences.end());
        EXPECT_EQ(closest - differences.begin(), order[i]) << "picture " << i;
        EXPECT_LT(*closest, 6.0) << "picture " << i;
    }
}

TEST(CliExport, MissingFramesAreReportedAndLeftOut)
{
    QTemporaryDir work;
    const QString film = work.path() + "/eMin=2 eMax=3 Steps=4 Pixels=104 Rainbow";
    ASSERT_TRUE(QDir().mkpath(film));
    for (const char* name : {"002.000", "002.250", "002.750", "003.000"})
        ASSERT_TRUE(QFile::copy(FramePath(TestFilms().even, name), FramePath(film, name)));
    // Its header intact, its pixels cut short.
    QFile cut(FramePath(film, "002.750"));
    ASSERT_TRUE(cut.resize(cut.size() - 1000));

    const CliResult result = RunCli({"export", film, "--out", "film.mp4"}, work.path());

    ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
    EXPECT_TRUE(result.err.contains(
        "Frame 2 (e=2.500) is missing (PowerReels-002.500.bmp); it is left out."))
        << result.err.toStdString();
    EXPECT_TRUE(result.err.contains("Frame 3 (e=2.750) is not a whole 104 x 104 bitmap"))
        << result.err.toStdString();
    EXPECT_EQ(ProbeVideo(work.path() + "/film.mp4").frames, 3);
}

struct VariantFilm
{
    const char* name;
    QStringList options;
    const char* suffix;
};

class VariantFilmTest : public testing::TestWithParam<VariantFilm>
{
};

// A variant gets a folder of its own, whose frames differ from the default
// ones (one sample per pixel is the default, byte for byte), and exports.
TEST_P(VariantFilmTest, RendersIntoItsFolderAndExports)
{
    const VariantFilm& c = GetParam();
    QTemporaryDir work;
    const CliResult render =
        RunCli(RenderArguments("2", "3", 4, 104, "Rainbow", ".") + c.options, work.path());
    ASSERT_EQ(render.exitCode, 0) << render.err.toStdString();
    const QString film = work.path() + "/eMin=2 eMax=3 Steps=4 Pixels=104 Rainbow" + c.suffix;
    for (const char* name : EvenFrames) {
        QFile variant(FramePath(film, name));
        QFile plain(FramePath(TestFilms().even, name));
        ASSERT_TRUE(variant.open(QIODevice::ReadOnly) && plain.open(QIODevice::ReadOnly)) << name;
        EXPECT_EQ(variant.readAll() == plain.readAll(), QString(c.suffix).isEmpty()) << name;
    }

    const CliResult result = RunCli({"export", film, "--out", "film.gif"}, work.path());
    ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
    EXPECT_EQ(ProbeVideo(work.path() + "/film.gif").frames, 5);
}

INSTANTIATE_TEST_SUITE_P(
    Cli, VariantFilmTest,
    testing::Values(VariantFilm{"OneSampleIsTheDefault", {"--supersample", "1"}, ""},
                    VariantFilm{"Supersampled", {"--supersample", "2"}, " SS2"},
                    VariantFilm{"Adaptive", {"--supersample", "3", "--adaptive"}, " SS3 Adaptive"},
                    VariantFilm{
                        "SmoothSupersampled", {"--smooth", "--supersample", "3"}, " SS3 Smooth"}),
    [](const auto& info) { return std::string(info.param.name); });

// Frames larger than the image reader's default limit are read, and "."
// names the film folder it stands for.
TEST(CliExport, ExportsLargeFramesOfTheCurrentFolder)
{
    QTemporaryDir work;
    const QString film = work.path() + "/eMin=2 eMax=3 Steps=1 Pixels=5800 Grey";
    ASSERT_TRUE(QDir().mkpath(film));
    QImage frame(5800, 5800, QImage::Format_RGB32);
    frame.fill(qRgb(20, 40, 60));
    Platform::SavePicture(frame, FramePath(film, "003.000"));

    const CliResult result = RunCli({"export", "--out", "../film.gif", "--", "."}, film);

    ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
    const VideoFacts facts = ProbeVideo(work.path() + "/film.gif");
    EXPECT_EQ(facts.frames, 1);
    EXPECT_EQ(facts.width, 5800);
}

// A film rendered under a decimal comma is found under a decimal point.
TEST(CliExport, ReadsAFilmMadeUnderADecimalComma)
{
    QTemporaryDir work;
    QProcessEnvironment german = QProcessEnvironment::systemEnvironment();
    german.insert("LC_ALL", "de_DE.UTF-8");
    const CliResult rendered =
        RunCli(RenderArguments("2.5", "3", 2, 104, "Red", "."), work.path(), german);
    ASSERT_EQ(rendered.exitCode, 0) << rendered.err.toStdString();
    const QString film = work.path() + "/eMin=2,5 eMax=3 Steps=2 Pixels=104 Red";
    ASSERT_TRUE(QFile::exists(FramePath(film, "002,750")));

    QProcessEnvironment plain = QProcessEnvironment::systemEnvironment();
    plain.insert("LC_ALL", "C");
    const CliResult result = RunCli({"export", film, "--out", "film.gif"}, work.path(), plain);

    ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
    EXPECT_FALSE(result.err.contains("missing")) << result.err.toStdString();
    EXPECT_EQ(ProbeVideo(work.path() + "/film.gif").frames, 3);
}

// Parts of a film rendered under a decimal comma and a decimal point are one
// film: exported whole, and nothing rendered again on resume.
TEST(CliExport, TakesAFilmRenderedUnderBothSeparators)
{
    QTemporaryDir work;
    QProcess::execute("cp", {"-r", TestFilms().even, work.path()});
    const QString film = work.path() + "/eMin=2 eMax=3 Steps=4 Pixels=104 Rainbow";
    for (const char* name : {"002.000", "002.250"})
        QFile::rename(FramePath(film, name), FramePath(film, name).replace("-002.", "-002,"));

    const CliResult exported = RunCli({"export", film, "--out", "film.gif"}, work.path());
    const CliResult resumed =
        RunCli(RenderArguments("2", "3", 4, 104, "Rainbow", ".") << "--resume", work.path());

    EXPECT_EQ(ProbeVideo(work.path() + "/film.gif").frames, 5) << exported.err.toStdString();
    EXPECT_TRUE(resumed.exitCode == 0 && resumed.err.contains("(5 kept from before)"))
        << resumed.err.toStdString();
}

// A writer in another PID namespace on the same machine (a container, a
// cloned machine on a shared folder) keeps its staging: its pid does not
// run here, but it holds the staging's lock.
TEST(CliExport, KeepsTheStagingOfAWriterInAnotherPidNamespace)
{
    if (QProcess::execute("unshare", {"--pid", "--fork", "--mount-proc", "true"}) != 0)
        GTEST_SKIP() << "unshare --pid is not permitted here";
    QTemporaryDir out;
    QProcess live;
    QByteArray err =
        StartCliUntil(live, {"export", TestFilms().even, "--out", "long.mp4", "--hold", "2000"},
                      out.path(), "Encoding");
    for (int wait = 0; wait < 300 && Leftovers(out.path(), "long.mp4").isEmpty(); ++wait)
        QThread::msleep(100);
    ASSERT_FALSE(Leftovers(out.path(), "long.mp4").isEmpty());

    EXPECT_EQ(
        QProcess::execute("unshare", {"--pid", "--fork", "--mount-proc", POWERREELS_CLI, "export",
                                      TestFilms().even, "--out", out.filePath("short.gif")}),
        0);
    ASSERT_TRUE(StopCli(live, {}, err));

    EXPECT_EQ(live.exitCode(), 0) << err.toStdString();
    EXPECT_EQ(ProbeVideo(out.path() + "/long.mp4").frames, 2000 * 2 + 3);
    EXPECT_EQ(Leftovers(out.path(), "long.mp4"), QStringList{"short.gif"});
}

struct StopCase
{
    const char* name;
    std::vector<int> sent;
    int exitCode; // -1: killed
};

class StoppedExportTest : public testing::TestWithParam<StopCase>
{
};

// An export stopped in the middle of a long video leaves neither the video
// nor its temporary file: at once when it may clean up, and at the next
// export into the folder when it was killed.
TEST_P(StoppedExportTest, LeavesNoVideo)
{
    const StopCase& c = GetParam();
    QTemporaryDir out;
    QProcess process;
    // Minutes of video: far longer than the wait for the first line.
    QByteArray err =
        StartCliUntil(process, {"export", TestFilms().even, "--out", "film.mp4", "--hold", "60000"},
                      out.path(), "Encoding");
    ASSERT_TRUE(err.contains("Encoding")) << err.toStdString();
    // Stopped while the video is being written.
    for (int wait = 0; wait < 300 && Leftovers(out.path(), "film.mp4").isEmpty(); ++wait)
        QThread::msleep(100);
    ASSERT_FALSE(Leftovers(out.path(), "film.mp4").isEmpty());
    ASSERT_TRUE(StopCli(process, c.sent, err));

    if (c.exitCode < 0) {
        EXPECT_EQ(process.exitStatus(), QProcess::CrashExit);
        ASSERT_EQ(RunCli({"export", TestFilms().even, "--out", "other.gif"}, out.path()).exitCode,
                  0);
        EXPECT_EQ(Leftovers(out.path(), "other.gif"), QStringList());
    } else {
        EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(process.exitCode(), c.exitCode);
        EXPECT_TRUE(err.contains("Stopped; no video was written.")) << err.toStdString();
        EXPECT_EQ(Leftovers(out.path(), "film.mp4"), QStringList());
    }
    EXPECT_FALSE(QFile::exists(out.path() + "/film.mp4"));
}

INSTANTIATE_TEST_SUITE_P(Cli, StoppedExportTest,
                         testing::Values(StopCase{"CtrlC", {SIGINT}, 130},
                                         StopCase{"Killed", {SIGKILL}, -1}),
                         [](const auto& info) { return std::string(info.param.name); });

struct FailedExport
{
    const char* name;
    QStringList arguments; // %F: a film folder without frames
    int exitCode;
    const char* message;
};

class FailedExportTest : public testing::TestWithParam<FailedExport>
{
};

// Empty, in the order a folder lists them.
const QStringList FailedExportFolders = {
    "eMin=1 eMax=10000000 Steps=2147483647 Pixels=104 Rainbow",
    "eMin=2 eMax=3 Steps=1 Pixels=16255 Rainbow", "eMin=2 eMax=3 Steps=1 Pixels=16384 Rainbow",
    "eMin=2 eMax=3 Steps=4 Pixels=104 Rainbow", "holiday pictures"};

// A failed export leaves an older video of the name untouched and no
// temporary file behind.
TEST_P(FailedExportTest, LeavesTheOldVideo)
{
    const FailedExport& c = GetParam();
    QTemporaryDir work;
    for (const QString& folder : FailedExportFolders)
        ASSERT_TRUE(QDir(work.path()).mkpath(folder));
    QFile old(work.path() + "/film.mp4");
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("the previous video");
    old.close();

    QStringList arguments = QStringList{"export"} + c.arguments;
    arguments.replaceInStrings("%E", TestFilms().even);
    const CliResult result = RunCli(arguments, work.path());

    EXPECT_EQ(result.exitCode, c.exitCode);
    EXPECT_TRUE(result.err.contains(c.message)) << result.err.toStdString();
    EXPECT_FALSE(result.err.contains(" @ 0x")) << "FFmpeg's own log: " << result.err.toStdString();
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll(), QByteArray("the previous video"));
    EXPECT_EQ(Leftovers(work.path(), "film.mp4"), FailedExportFolders);
}

INSTANTIATE_TEST_SUITE_P(
    Cli, FailedExportTest,
    testing::Values(
        FailedExport{"NoFrames",
                     {"eMin=2 eMax=3 Steps=4 Pixels=104 Rainbow", "--out", "film.mp4"},
                     1,
                     "No frame of the film is in"},
        // Memory and time follow the files, not the film's length.
        FailedExport{
            "NoFramesOfTheLongestFilm",
            {"eMin=1 eMax=10000000 Steps=2147483647 Pixels=104 Rainbow", "--out", "film.mp4"},
            1,
            "2147483628 more frames are missing"},
        FailedExport{"FramesTooLargeForTheEncoders",
                     {"eMin=2 eMax=3 Steps=1 Pixels=16384 Rainbow", "--out", "film.mp4"},
                     1,
                     "FFmpeg's encoders take pictures of at most 16254 x 16254 pixels"},
        FailedExport{"GifTooLargeForTheEncoders",
                     {"eMin=2 eMax=3 Steps=1 Pixels=16255 Rainbow", "--out", "film.gif"},
                     1,
                     "FFmpeg's encoders take pictures of at most 16254 x 16254 pixels"},
        FailedExport{"NotAFilmFolder",
                     {"holiday pictures", "--out", "film.mp4"},
                     2,
                     "\"holiday pictures\" is not a film folder"},
        FailedExport{"MissingFolder",
                     {"gone", "--out", "film.mp4"},
                     1,
                     "The folder \"gone\" does not exist."},
        FailedExport{"UnknownEnding",
                     {"%E", "--out", "film.avi"},
                     2,
                     "\"film.avi\" must end in .mp4, .webm or .gif"},
        FailedExport{"OutputFolderMissing",
                     {"%E", "--out", "gone/film.mp4"},
                     1,
                     "Cannot write \"gone/film.mp4\": No such file or directory."}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
