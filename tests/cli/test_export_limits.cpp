#include "CliProcess.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <thread>
#include <unistd.h>

namespace {

struct LimitCase
{
    const char* name;
    const char* shell; // runs the program "$0" "$@", exits with its status
    const char* size;
    const char* out;
    int exitCode;
    const char* told;
};

class ExportLimitTest : public testing::TestWithParam<LimitCase>
{
};

// What export cannot make is refused before it encodes, blaming what was
// asked; a process limit leaves fewer encoder threads, not a failure.
TEST_P(ExportLimitTest, RefusesUpFrontOrGoesOn)
{
    const LimitCase& c = GetParam();
    if (QString(c.shell).contains("setpriv") && geteuid() != 0)
        GTEST_SKIP() << "only root can run the export as nobody";
    if (QString(c.told).startsWith("Only") && std::thread::hardware_concurrency() < 2)
        GTEST_SKIP() << "on one core the encoder starts no threads";
    QTemporaryDir work;
    ASSERT_TRUE(QFile::setPermissions(work.path(), QFileDevice::Permissions(0x7777)));
    ASSERT_EQ(RunCli(RenderArguments("2", "3", 1, 104, "Rainbow", "."), work.path()).exitCode, 0);
    // Copies the user nobody can run: the build tree may lie in root's home.
    QTemporaryDir programs;
    const auto reachable = QFileDevice::Permissions(0x7755);
    ASSERT_TRUE(QFile::setPermissions(programs.path(), reachable));
    for (const QString program : {"powerreels-cli", "powerreels-export"}) {
        ASSERT_TRUE(QFile::copy(QFileInfo(POWERREELS_CLI).dir().filePath(program),
                                programs.filePath(program)));
        ASSERT_TRUE(QFile::setPermissions(programs.filePath(program), reachable));
    }
    QProcess process;
    process.setWorkingDirectory(work.path());
    process.start("bash",
                  {"-c", c.shell, programs.filePath("powerreels-cli"), "export",
                   "eMin=2 eMax=3 Steps=1 Pixels=104 Rainbow", "--size", c.size, "--out", c.out});
    ASSERT_TRUE(process.waitForFinished(300000));
    const QString err = QString::fromLocal8Bit(process.readAllStandardError());
    EXPECT_EQ(process.exitCode(), c.exitCode) << err.toStdString();
    EXPECT_TRUE(err.contains(c.told)) << err.toStdString();
    EXPECT_EQ(QFile::exists(work.filePath(c.out)), c.exitCode == 0);
}

constexpr const char* Plain = R"("$0" "$@")";

INSTANTIATE_TEST_SUITE_P(
    Cli, ExportLimitTest,
    testing::Values(
        LimitCase{"SizeBeyondTheEncoders", Plain, "16384x16384", "film.mp4", 2,
                  "--size 16384x16384 is larger than FFmpeg's encoders take: at most 16254 x "
                  "16254 pixels"},
        LimitCase{"WideSizeBeyondTheEncoders", Plain, "16384x16200", "film.gif", 2,
                  "--size 16384x16200 is larger"},
        LimitCase{"ThinMp4AtTheLargestSide", Plain, "16254x16", "film.mp4", 0, "16254 x 16"},
        LimitCase{"ThinWebMAtTheLargestSide", Plain, "16384x1", "film.webm", 0, "16384 x 2"},
        LimitCase{"MoreMemoryThanTheProcessMayHave", R"(prlimit --as=1500000000 "$0" "$@")",
                  "8192x8192", "film.mp4", 2,
                  "MB of memory to encode, even with the encoder's leanest settings;"},
        LimitCase{"FewThreadsAllowed",
                  R"(setpriv --reuid=65534 --regid=65534 --clear-groups )"
                  R"(prlimit --nproc=4 "$0" "$@")",
                  "208x208", "film.mp4", 0, "Only 1 of the "}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
