#include "CliProcess.h"
#include "VideoProbe.h"
#include "cli/RenderArguments.h"
#include "platform/Pictures.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <csignal>
#include <functional>
#include <gtest/gtest.h>

namespace {

const QString Film = "eMin=2 eMax=3 Steps=4 Pixels=104 Rainbow";

void MakeFile(const QString& path)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("not a folder");
}

struct RefusedRender
{
    const char* name;
    QStringList arguments;
    int exitCode;
    QString message;
    // Puts what the case needs into the working folder.
    std::function<void(const QString&)> prepare = [](const QString&) {};
};

class RefusedRenderTest : public testing::TestWithParam<RefusedRender>
{
};

TEST_P(RefusedRenderTest, ExitsWithTheMessageAndWritesNothing)
{
    const RefusedRender& c = GetParam();
    QTemporaryDir work;
    c.prepare(work.path());
    const QMap<QString, QByteArray> before = FolderFiles(work.path());
    const QStringList entriesBefore =
        QDir(work.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);

    const CliResult result = RunCli(QStringList{"render"} + c.arguments, work.path());

    EXPECT_EQ(result.exitCode, c.exitCode);
    EXPECT_TRUE(result.err.contains(c.message)) << result.err.toStdString();
    EXPECT_EQ(FolderFiles(work.path()), before);
    EXPECT_EQ(QDir(work.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), entriesBefore);
}

QStringList Film104(QStringList more = {})
{
    return QStringList{"--emin", "2", "--emax", "3", "--steps", "4", "--pixels", "104"} + more;
}

INSTANTIATE_TEST_SUITE_P(
    Cli, RefusedRenderTest,
    testing::Values(
        RefusedRender{"UnknownPalette", Film104({"--palette", "Purple"}), 2,
                      "Unknown palette \"Purple\"; the palettes are Rainbow, Grey, Red, Green, "
                      "Blue, Cyan, Magenta, Yellow."},
        RefusedRender{"MaximumEqualToMinimum",
                      {"--emin", "3", "--emax", "3", "--steps", "4", "--pixels", "104"},
                      2,
                      "Please, 'Maximum e' > 'Minimum e'."},
        RefusedRender{"MaximumBelowMinimum",
                      {"--emin", "3", "--emax", "2.5", "--steps", "4", "--pixels", "104"},
                      2,
                      "Please, 'Maximum e' > 'Minimum e'."},
        RefusedRender{"StepsBeyondTheLimit",
                      {"--emin", "2", "--emax", "3", "--steps", "1001", "--pixels", "104"},
                      2,
                      "Please, 'Steps' <= 1000."},
        RefusedRender{"Pixels103",
                      {"--emin", "2", "--emax", "3", "--steps", "4", "--pixels", "103"},
                      2,
                      "Please, 'Pixels' >= 104."},
        RefusedRender{"MinimumNotANumber",
                      {"--emin", "abc", "--emax", "3", "--steps", "4", "--pixels", "104"},
                      2,
                      "--emin wants a number written with a point, like 2.5, not \"abc\"."},
        RefusedRender{"StepsNotANumber",
                      {"--emin", "2", "--emax", "3", "--steps", "many", "--pixels", "104"},
                      2,
                      "--steps wants a whole number, not \"many\"."},
        RefusedRender{"StepsBeyond32Bits",
                      {"--emin", "2", "--emax", "3", "--steps", "99999999999", "--pixels", "104"},
                      2,
                      "Redo From Start."},
        RefusedRender{"NamesTooLongForFiles",
                      {"--emin", "1e300", "--emax", "2e300", "--steps", "1", "--pixels", "104"},
                      2,
                      "longer than the 255 characters a file name may have"},
        RefusedRender{"FramesBeyondTheFilm", Film104({"--frames", "2-5"}), 2,
                      "--frames wants A-B with 0 <= A <= B <= 4"},
        RefusedRender{"MissingParent", Film104({"--dir", "no such folder"}), 1,
                      "The folder \"no such folder\" does not exist."},
        RefusedRender{"ParentNamedLikeHelp", Film104({"--dir", "-h"}), 1,
                      "The folder \"-h\" does not exist."},
        RefusedRender{"FramesSharingAName",
                      {"--emin", "1.0005", "--emax", "1.0025", "--steps", "2", "--pixels", "104"},
                      2,
                      "Please, fewer 'Steps': two frames would share one file name."},
        // Root may write anywhere, but not below a file.
        RefusedRender{"ParentUnderAFile", Film104({"--dir", "file/films"}), 1,
                      "The folder \"file/films\" does not exist.",
                      [](const QString& work) { MakeFile(work + "/file"); }},
        RefusedRender{"FilmFolderTakenByAFile", Film104(), 1,
                      "Cannot make the film folder \"./" + Film + "\": File exists.",
                      [](const QString& work) { MakeFile(work + "/" + Film); }}),
    [](const auto& info) { return std::string(info.param.name); });

// Frames 0-2 and 3-4 rendered at the same time by two processes give the
// folder that one process gives.
TEST(CliRender, TwoProcessesSplittingAFilmGiveTheSameFolder)
{
    QTemporaryDir whole;
    QTemporaryDir split;
    const QStringList film = RenderArguments("2", "3", 4, 104, "Magenta", ".");
    ASSERT_EQ(RunCli(film, whole.path()).exitCode, 0);

    QProcess first;
    QProcess second;
    for (auto [process, frames] : {std::pair{&first, "0-2"}, std::pair{&second, "3-4"}}) {
        process->setWorkingDirectory(split.path());
        process->start(POWERREELS_CLI, film + QStringList{"--frames", frames});
    }
    ASSERT_TRUE(first.waitForFinished(60000));
    ASSERT_TRUE(second.waitForFinished(60000));
    EXPECT_EQ(first.exitCode(), 0) << first.readAllStandardError().toStdString();
    EXPECT_EQ(second.exitCode(), 0) << second.readAllStandardError().toStdString();

    const QMap<QString, QByteArray> expected = FolderFiles(whole.path());
    EXPECT_EQ(expected.size(), 5);
    EXPECT_EQ(FolderFiles(split.path()), expected);
}

TEST(CliRender, APartOfTheFilmWritesOnlyItsFrames)
{
    QTemporaryDir work;
    const CliResult result =
        RunCli(RenderArguments("2", "3", 4, 104, "Grey", ".") + QStringList{"--frames", "1-2"},
               work.path());
    ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
    EXPECT_EQ(FolderFiles(work.path()).keys(),
              (QStringList{"eMin=2 eMax=3 Steps=4 Pixels=104 Grey/PowerReels-002.250.bmp",
                           "eMin=2 eMax=3 Steps=4 Pixels=104 Grey/PowerReels-002.500.bmp"}));
}

TEST(CliRender, AFrameThatCannotBeWrittenIsReportedAndFailsTheRun)
{
    QTemporaryDir work;
    const QString folder = work.path() + "/" + Film;
    // A folder where the frame's file belongs cannot be replaced by it.
    ASSERT_TRUE(QDir().mkpath(folder + "/PowerReels-002.500.bmp"));

    const CliResult result = RunCli(RenderArguments("2", "3", 4, 104, "Rainbow", "."), work.path());

    EXPECT_EQ(result.exitCode, 1);
    EXPECT_TRUE(result.err.contains("Frame 2 (e=2.500) could not be written to \"./" + Film +
                                    "/PowerReels-002.500.bmp\": Is a directory."))
        << result.err.toStdString();
    EXPECT_TRUE(result.err.contains("1 of the 5 frames are missing")) << result.err.toStdString();
    EXPECT_EQ(FolderFiles(folder).size(), 4);
    EXPECT_TRUE(result.err.contains("frame 4 of 0-4 (e=3.000) saved as PowerReels-003.000.bmp"));
    EXPECT_TRUE(result.err.contains("\n4 frames written, 0 kept, 1 failed in ") &&
                result.err.endsWith("; the film is in \"./" + Film + "\".\n"))
        << result.err.toStdString();
}

TEST(CliRender, LogsOneLinePerFrameWhenNotOnATerminal)
{
    QTemporaryDir work;
    const CliResult result = RunCli(RenderArguments("2", "3", 4, 104, "Red", work.path()), "/");
    ASSERT_EQ(result.exitCode, 0);
    const QStringList lines = result.err.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 7) << result.err.toStdString();
    EXPECT_EQ(lines[0], "Rendering 5 frames into \"" + work.path() + "/" +
                            "eMin=2 eMax=3 Steps=4 Pixels=104 Red\".");
    for (int k = 0; k < 5; ++k)
        EXPECT_TRUE(
            lines[k + 1].startsWith(QString("frame %1 of 0-4 (e=%2) saved as PowerReels-%3.bmp")
                                        .arg(k)
                                        .arg(2 + k * 0.25, 0, 'f', 3)
                                        .arg(2 + k * 0.25, 7, 'f', 3, u'0')))
            << lines[k + 1].toStdString();
    EXPECT_FALSE(result.err.contains('\r'));
}

// On a terminal the progress is one line redrawn in place, ending full.
TEST(CliRender, DrawsAProgressBarOnATerminal)
{
    QTemporaryDir work;
    const CliResult result =
        RunCliOnTerminal(RenderArguments("2", "3", 4, 104, "Red", work.path()));
    const QByteArray screen = result.err.toLocal8Bit();

    EXPECT_EQ(result.exitCode, 0);
    EXPECT_TRUE(screen.contains("\rframe 0 of 0-4 (e=2.000) [")) << screen.toStdString();
    EXPECT_TRUE(screen.contains("\rframe 4 of 0-4 (e=3.000) [####################] 100%  elapsed "))
        << screen.toStdString();
    EXPECT_FALSE(screen.contains("saved as")) << screen.toStdString();
    EXPECT_TRUE(screen.endsWith("\n")) << screen.toStdString();
}

struct ResumeCase
{
    const char* name;
    // Damages frame 2 (e=2.500) of the rendered film.
    std::function<void(const QString&)> make;
    QString format = "bmp";
};

void CutShort(const QString& frame)
{
    QFile file(frame);
    file.resize(file.size() - 100);
}

class ResumeTest : public testing::TestWithParam<ResumeCase>
{
};

// A resumed render keeps the whole frames untouched and renders the rest
// into the same bytes as a render from the start.
TEST_P(ResumeTest, RendersOnlyWhatIsNotWhole)
{
    QTemporaryDir work;
    QStringList film = RenderArguments("2", "3", 4, 104, "Green", ".");
    if (GetParam().format != "bmp")
        film << "--format" << GetParam().format;
    ASSERT_EQ(RunCli(film, work.path()).exitCode, 0);
    const QMap<QString, QByteArray> whole = FolderFiles(work.path());
    const QString folder = work.path() + "/eMin=2 eMax=3 Steps=4 Pixels=104 Green";
    const QDateTime old(QDate(2001, 1, 1), QTime(0, 0));
    for (const QString& name : QDir(folder).entryList(QDir::Files)) {
        QFile frame(folder + "/" + name);
        ASSERT_TRUE(frame.open(QIODevice::ReadWrite));
        ASSERT_TRUE(frame.setFileTime(old, QFileDevice::FileModificationTime));
    }
    const QString damaged = folder + "/PowerReels-002.500." + GetParam().format;
    GetParam().make(damaged);
    // Export judges the frames alike: it leaves this one out, never waiting.
    QTemporaryDir out;
    const CliResult exported = RunCli({"export", folder, "--out", "film.gif"}, out.path());
    EXPECT_TRUE(exported.exitCode == 0 && exported.err.contains("Frame 2 (e=2.500) is "));
    EXPECT_EQ(ProbeVideo(out.filePath("film.gif")).frames, 4);

    const CliResult result = RunCli(film + QStringList{"--resume"}, work.path());

    ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
    EXPECT_TRUE(result.err.contains("Rendering 1 frame into") &&
                result.err.contains("(4 kept from before)") &&
                result.err.contains("\n1 frame written, 4 kept, 0 failed in "))
        << result.err.toStdString();
    EXPECT_EQ(FolderFiles(work.path()), whole);
    for (const QString& name : QDir(folder).entryList(QDir::Files))
        EXPECT_EQ(QFileInfo(folder + "/" + name).lastModified() == old,
                  folder + "/" + name != damaged)
            << name.toStdString();
}

std::vector<ResumeCase> ResumeCases()
{
    std::vector<ResumeCase> cases = {
        ResumeCase{"Missing", [](const QString& frame) { QFile::remove(frame); }},
        ResumeCase{"Truncated", CutShort}, ResumeCase{"TruncatedPng", CutShort, "png"},
        // Its header and its closing chunk intact.
        ResumeCase{"PngDamagedInside",
                   [](const QString& frame) {
                       QFile file(frame);
                       ASSERT_TRUE(file.open(QIODevice::ReadWrite));
                       file.seek(file.size() / 2);
                       const char byte = file.read(1)[0];
                       file.seek(file.size() / 2);
                       file.write(QByteArray(1, char(~byte)));
                   },
                   "png"},
        ResumeCase{"WrongSize", [](const QString& frame) {
                       QImage small(50, 50, QImage::Format_RGB32);
                       small.fill(0);
                       Platform::SavePicture(small, frame);
                   }}};
    for (const UnreadableFrame& unreadable : UnreadableFrames())
        cases.push_back({unreadable.name, unreadable.make});
    return cases;
}

INSTANTIATE_TEST_SUITE_P(Cli, ResumeTest, testing::ValuesIn(ResumeCases()),
                         [](const auto& info) { return std::string(info.param.name); });

// The arguments of a film that steps finer than the window's names, and of
// options that change its frames.
class FineFilmTest : public testing::TestWithParam<std::pair<QStringList, QStringList>>
{
};

// Killed and resumed, such a film keeps its whole frames and ends with all of
// them, told by their exponents at its decimals, which export plays; its frame
// of e = 2 is the bytes of that frame in a film of the window's names.
TEST_P(FineFilmTest, ResumesToEveryFrame)
{
    const auto& [fine, variant] = GetParam();
    QTemporaryDir work;
    const QStringList film =
        QStringList{"--emin", "2", "--emax", "2.01", "--pixels", "150", "--threads", "1"} + fine +
        variant;
    const QStringList wide =
        QStringList{"--emin", "2", "--emax", "3", "--steps", "1", "--pixels", "150"} + variant;
    const Cli::RenderOptions named = Cli::ParseRenderArguments(film);
    const Cli::RenderOptions wideNamed = Cli::ParseRenderArguments(wide);
    QProcess process;
    QByteArray err = StartCliUntil(process, QStringList{"render"} + film, work.path(), "saved as");
    ASSERT_TRUE(StopCli(process, {SIGKILL}, err));
    const CliResult resumed = RunCli(QStringList{"render", "--resume"} + film, work.path());
    EXPECT_TRUE(resumed.exitCode == 0 && resumed.err.contains(" kept from before)") &&
                resumed.err.contains("(e=2.01000") &&
                resumed.err.contains(named.lengthPlan + "; the film is in"))
        << resumed.err.toStdString();
    ASSERT_EQ(RunCli(QStringList{"render", "--frames", "0"} + wide, work.path()).exitCode, 0);

    const QMap<QString, QByteArray> files = FolderFiles(work.path());
    EXPECT_EQ(files.size(), named.film.steps + 2);
    const QString folder = named.film.folderName(u'.');
    const QByteArray first = files.value(folder + '/' + named.film.frameFileName(0, u'.'));
    EXPECT_TRUE(!first.isEmpty() && first == files.value(wideNamed.film.folderName(u'.') + '/' +
                                                         wideNamed.film.frameFileName(0, u'.')));
    EXPECT_EQ(RunCli({"export", folder, "--out", "film.gif"}, work.path()).exitCode, 0);
    EXPECT_EQ(ProbeVideo(work.filePath("film.gif")).frames, named.film.steps + 1);
}

INSTANTIATE_TEST_SUITE_P(
    Cli, FineFilmTest,
    testing::Values(std::pair(QStringList{"--seconds", "2", "--fps", "15", "--decimals", "6"},
                              QStringList{}),
                    std::pair(QStringList{"--steps", "12", "--decimals", "9"},
                              QStringList{"--supersample", "2", "--smooth", "--format", "png"})));

struct PngFilmCase
{
    const char* name;
    const char* palette;
    int pixels;
    double largestShare; // of the bitmaps' bytes
};

class PngFilmTest : public testing::TestWithParam<PngFilmCase>
{
};

// A film in PNG holds the pixels of the same film in bitmaps, in fewer bytes.
TEST_P(PngFilmTest, KeepsTheBitmapsPixels)
{
    const PngFilmCase& c = GetParam();
    QTemporaryDir bmp;
    QTemporaryDir png;
    const QStringList film = RenderArguments("2", "3", 2, c.pixels, c.palette, ".");
    ASSERT_EQ(RunCli(film, bmp.path()).exitCode, 0);
    ASSERT_EQ(RunCli(film + QStringList{"--format", "png"}, png.path()).exitCode, 0);

    const QMap<QString, QByteArray> bitmaps = FolderFiles(bmp.path());
    const QMap<QString, QByteArray> pngs = FolderFiles(png.path());
    ASSERT_EQ(pngs.size(), 3);
    qint64 bitmapBytes = 0;
    qint64 pngBytes = 0;
    for (auto bitmap = bitmaps.begin(); bitmap != bitmaps.end(); ++bitmap) {
        const QString name = QString(bitmap.key()).replace(".bmp", ".png");
        ASSERT_TRUE(pngs.contains(name)) << name.toStdString();
        EXPECT_EQ(Platform::LoadPicture(png.path() + "/" + name),
                  Platform::LoadPicture(bmp.path() + "/" + bitmap.key()));
        bitmapBytes += bitmap->size();
        pngBytes += pngs[name].size();
    }
    EXPECT_LE(pngBytes, c.largestShare * bitmapBytes);
}

INSTANTIATE_TEST_SUITE_P(Cli, PngFilmTest,
                         testing::Values(PngFilmCase{"Rainbow512", "Rainbow", 512, 0.2},
                                         PngFilmCase{"OddSizedGrey", "Grey", 105, 1.0}),
                         [](const auto& info) { return std::string(info.param.name); });

struct LongFilmCase
{
    const char* name;
    const char* frames;
    const char* start;      // the first line
    const char* firstFrame; // its line
    bool endsByItself;
};

class LongFilmTest : public testing::TestWithParam<LongFilmCase>
{
};

// The longest film counts its frames past 32 bits: it ends after its last
// frame and tells its true length.
TEST_P(LongFilmTest, CountsEveryFrame)
{
    const LongFilmCase& c = GetParam();
    QTemporaryDir work;
    QProcess process;
    QByteArray err = StartCliUntil(process,
                                   {"render", "--emin", "1", "--emax", "1e7", "--steps",
                                    "2147483647", "--pixels", "104", "--frames", c.frames},
                                   work.path(), "saved as");
    ASSERT_TRUE(StopCli(process, c.endsByItself ? std::vector<int>{} : std::vector{SIGTERM}, err));
    EXPECT_EQ(process.exitCode(), c.endsByItself ? 0 : 143);

    EXPECT_TRUE(err.startsWith(c.start)) << err.toStdString();
    EXPECT_TRUE(err.contains(c.firstFrame)) << err.toStdString();
    EXPECT_FALSE(err.contains("frame 2 of 1 ")) << err.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Cli, LongFilmTest,
    testing::Values(
        LongFilmCase{"LastFrameOnly", "2147483647", "Rendering 1 frame into",
                     "frame 2147483647 of 0-2147483647 (e=10000000.000) saved as "
                     "PowerReels-10000000.000.bmp",
                     true},
        LongFilmCase{"WholeFilm", "0-2147483647", "Rendering 2147483648 frames into",
                     "frame 0 of 0-2147483647 (e=1.000) saved as PowerReels-001.000.bmp", false}),
    [](const auto& info) { return std::string(info.param.name); });

struct StopCase
{
    const char* name;
    int signal;
    int exitCode;
};

class StopTest : public testing::TestWithParam<StopCase>
{
};

// Stopped after its first frame, a long film leaves whole frames only and
// no temporary file.
TEST_P(StopTest, LeavesOnlyWholeFrames)
{
    QTemporaryDir work;
    QProcess process;
    QByteArray err = StartCliUntil(
        process, RenderArguments("2", "3", 100, 800, "Cyan", ".") + QStringList{"--threads", "1"},
        work.path(), "saved as");
    ASSERT_TRUE(err.contains("saved as")) << err.toStdString();
    ASSERT_TRUE(StopCli(process, {GetParam().signal}, err));

    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(process.exitCode(), GetParam().exitCode);
    EXPECT_TRUE(err.contains("Stopped: frame")) << err.toStdString();
    // The summary, then how to finish the film, end the output.
    EXPECT_TRUE(err.endsWith("; the film is in \"./eMin=2 eMax=3 Steps=100 Pixels=800 Cyan\".\n"
                             "To finish the film, run the same command again with --resume.\n"))
        << err.toStdString();
    const QString folder = work.path() + "/eMin=2 eMax=3 Steps=100 Pixels=800 Cyan";
    const QStringList files = QDir(folder).entryList(QDir::Files | QDir::Hidden);
    EXPECT_GE(files.size(), 1);
    EXPECT_LT(files.size(), 101);
    for (const QString& file : files) {
        EXPECT_TRUE(file.startsWith("PowerReels-") && file.endsWith(".bmp")) << file.toStdString();
        const QImage frame = Platform::LoadPicture(folder + "/" + file);
        EXPECT_EQ(frame.size(), QSize(800, 800));
    }
}

INSTANTIATE_TEST_SUITE_P(Cli, StopTest,
                         testing::Values(StopCase{"CtrlC", SIGINT, 130},
                                         StopCase{"Terminate", SIGTERM, 143},
                                         StopCase{"TerminalClosed", SIGHUP, 129}),
                         [](const auto& info) { return std::string(info.param.name); });

struct HardRun
{
    const char* name;
    const char* shell; // runs the render "$0" "$@" (last the thread count), exits with its status
    const char* told;
};

class HardRunTest : public testing::TestWithParam<HardRun>
{
};

// A closed progress pipe, or a process limit (which holds for nobody, not
// root), leaves the frames of a plain render, and exit 0.
TEST_P(HardRunTest, GivesTheSameFrames)
{
    const HardRun& c = GetParam();
    if (QString(c.shell).contains("setpriv") && geteuid() != 0)
        GTEST_SKIP() << "only root can run the render as nobody";
    QTemporaryDir plain;
    QTemporaryDir hard;
    ASSERT_TRUE(QFile::setPermissions(hard.path(), QFileDevice::Permissions(0x7777)));
    const QStringList film = RenderArguments("2", "3", 40, 104, "Rainbow", ".");
    ASSERT_EQ(RunCli(film, plain.path()).exitCode, 0);
    // A copy the user nobody can run: the build tree may lie in root's home.
    QTemporaryDir programFolder;
    const QString program = programFolder.filePath("powerreels-cli");
    ASSERT_TRUE(QFile::copy(POWERREELS_CLI, program));
    const auto reachable = QFileDevice::Permissions(0x7755);
    ASSERT_TRUE(QFile::setPermissions(programFolder.path(), reachable));
    ASSERT_TRUE(QFile::setPermissions(program, reachable));

    QProcess process;
    process.setWorkingDirectory(hard.path());
    process.start("bash",
                  QStringList{"-c", c.shell, program} + film + QStringList{"--threads", "200"});
    ASSERT_TRUE(process.waitForFinished(300000));

    EXPECT_EQ(process.exitCode(), 0);
    EXPECT_TRUE(process.readAllStandardError().contains(c.told));
    EXPECT_EQ(FolderFiles(hard.path()), FolderFiles(plain.path()));
}

INSTANTIATE_TEST_SUITE_P(
    Cli, HardRunTest,
    testing::Values(HardRun{"ProgressReaderGone",
                            R"("$0" "$@" 2>&1 | head -c 1 >/dev/null; exit ${PIPESTATUS[0]})", ""},
                    HardRun{"FewThreadsAllowed",
                            R"(setpriv --reuid=65534 --regid=65534 --clear-groups )"
                            R"(prlimit --nproc=6 "$0" "$@")",
                            "Only "},
                    // A user of its own: the main thread and 4 workers, no more, fit.
                    HardRun{
                        "AsManyThreadsAsAsked",
                        R"(u=$((3000000 + $$)); e=$(setpriv --reuid=$u --regid=$u --clear-groups )"
                        R"(prlimit --nproc=5 "$0" "${@:1:$#-1}" 4 2>&1) && [[ $e != *Only* ]])",
                        ""},
                    HardRun{"OneThreadTooFew",
                            R"(u=$((3000000 + $$)); setpriv --reuid=$u --regid=$u --clear-groups )"
                            R"(prlimit --nproc=4 "$0" "${@:1:$#-1}" 4)",
                            "Only 3 of the 4 "}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
