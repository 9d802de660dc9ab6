#include "cli/ExportProgram.h"

#include "terminal/ExitCodes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <unistd.h>
#include <vector>

namespace Cli {

using namespace Terminal;

QString ExportProgramPath()
{
    const QString self = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath();
    const QDir folder = QFileInfo(self).absoluteDir();
    const QString program = QStringLiteral(POWERREELS_EXPORT_PROGRAM);
    const QString installed = QDir::cleanPath(
        folder.filePath(QStringLiteral(POWERREELS_LIBEXEC_FROM_BIN) + "/" + program));
    const QString beside = folder.filePath(program);
    return QFileInfo(beside).isExecutable() ? beside : installed;
}

int RunExportProgram(const QStringList& arguments, Console& console)
{
    const QString program = ExportProgramPath();
    // The export comes in a package of its own, with FFmpeg.
    if (!QFileInfo::exists(program)) {
        console.problem(
            QString("Video export needs the %1 package; install it as root with: apt install %1")
                .arg(QStringLiteral(POWERREELS_EXPORT_PACKAGE)));
        return ExitFailure;
    }
    std::vector<QByteArray> words = {QFile::encodeName(program)};
    for (const QString& argument : arguments)
        words.push_back(argument.toLocal8Bit());
    std::vector<char*> argv;
    for (QByteArray& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);
    ::execv(argv[0], argv.data());
    console.problem(
        QString("Cannot start the video export \"%1\"; reinstall PowerReels.").arg(program));
    return ExitFailure;
}

} // namespace Cli
