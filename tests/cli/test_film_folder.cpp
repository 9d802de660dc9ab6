#include "CliProcess.h"
#include "VideoProbe.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QString Film = "./eMin=2.5 eMax=3.5 Steps=4 Pixels=104 Rainbow";
// Root passes every permission, nobody does not.
const char* const Nobody = R"sh(export LC_ALL=C.UTF-8; [ "$(id -u)" != 0 ] ||
    exec setpriv --reuid=65534 --regid=65534 --clear-groups "$0" "$@"; exec "$0" "$@")sh";

struct FolderCase
{
    const char* name;
    QString prepare; // run as root by bash -c SCRIPT PROGRAM RENDER-ARGUMENTS, in the work folder
    QString run;     // the same, running the render
    int exitCode;
    QString message;
};

using FilmFolderTest = testing::TestWithParam<FolderCase>;

CliResult RunScript(const QString& script, const QString& program, const QStringList& arguments,
                    const QString& folder)
{
    QProcess process;
    process.setWorkingDirectory(folder);
    process.start("bash", QStringList{"-c", script, program} + arguments);
    const bool ended = process.waitForFinished(120000);
    return {ended ? process.exitCode() : -1, QString::fromUtf8(process.readAllStandardError())};
}

// A resumed film ends whole in one folder, named as it is; a folder that cannot
// take it is refused up front with the system's reason, nothing written.
TEST_P(FilmFolderTest, EndsWholeInOneFolderOrIsRefusedUpFront)
{
    const FolderCase& c = GetParam();
    QTemporaryDir work;
    const QString program = work.filePath("powerreels-cli"); // the build may be in root's home
    ASSERT_TRUE(QFile::copy(POWERREELS_CLI, program));
    const QStringList film{"render",  "--emin", "2.5",      "--emax", "3.5",
                           "--steps", "4",      "--pixels", "104",    "--resume"};
    ASSERT_EQ(RunScript(c.prepare, program, film, work.path()).exitCode, 0);
    const QMap<QString, QByteArray> before = FolderFiles(work.path());
    const CliResult result = RunScript(c.run, program, film, work.path());

    EXPECT_EQ(result.exitCode, c.exitCode) << result.err.toStdString();
    EXPECT_TRUE(result.err.contains(c.message)) << result.err.toStdString();
    if (c.exitCode != 0) {
        EXPECT_EQ(FolderFiles(work.path()), before);
        return;
    }
    const QStringList folders = QDir(work.path()).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    ASSERT_EQ(folders.size(), 1) << folders.join(" | ").toStdString();
    const QStringList frames = QDir(work.filePath(folders[0])).entryList(QDir::Files);
    EXPECT_EQ(frames.size(), 5);
    for (const QString& frame : frames)
        EXPECT_EQ(frame[14], folders[0][6]) << "PowerReels-002.500.bmp in eMin=2.5 ...";
    RunCli({"export", work.filePath(folders[0]), "--out", "film.gif"}, work.path());
    EXPECT_EQ(ProbeVideo(work.filePath("film.gif")).frames, 5);
}

INSTANTIATE_TEST_SUITE_P(
    Cli, FilmFolderTest,
    testing::Values(
        FolderCase{
            "BegunUnderCommaResumedUnderPoint", R"sh(LC_ALL=de_DE.UTF-8 "$0" "$@" --frames 0-2)sh",
            R"sh(LC_ALL=C.UTF-8 exec "$0" "$@")sh", 0,
            "Rendering 2 frames into \"./eMin=2,5 eMax=3,5 Steps=4 Pixels=104 Rainbow\" (3 kept"},
        FolderCase{"BegunUnderPointResumedUnderComma",
                   R"sh(LC_ALL=C.UTF-8 "$0" "$@" --frames 0-2)sh",
                   R"sh(LC_ALL=de_DE.UTF-8 exec "$0" "$@")sh", 0,
                   "Rendering 2 frames into \"" + Film + "\" (3 kept"},
        FolderCase{"ReadOnlyFilmFolder", "chmod 777 . && mkdir -m 555 \"" + Film + "\"", Nobody, 1,
                   "Cannot write into the film folder \"" + Film + "\": Permission denied."},
        FolderCase{"FilmFolderCannotBeMade", "chmod 555 .", Nobody, 1,
                   "Cannot make the film folder \"" + Film + "\": Permission denied."},
        FolderCase{"DirIsAFile", "touch file", R"sh(exec "$0" "$@" --dir file)sh", 1,
                   "\"file\" is not a folder."},
        FolderCase{"DirIsADevice", "", R"sh(exec "$0" "$@" --dir /dev/null)sh", 1,
                   "\"/dev/null\" is not a folder."},
        // No name Qt makes reaches that folder: the script removes it.
        FolderCase{"DirNamedNotInUtf8", "mkdir $'caf\\xe9'",
                   R"sh("$0" "$@" --dir $'caf\xe9'; status=$?; rmdir $'caf\xe9'; exit $status)sh",
                   1, "The name of the folder \"caf\uFFFD\" is not UTF-8"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
