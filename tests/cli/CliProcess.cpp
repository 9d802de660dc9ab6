#include "CliProcess.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>

CliResult RunCli(const QStringList& arguments, const QString& folder,
                 const QProcessEnvironment& environment)
{
    QProcess process;
    process.setWorkingDirectory(folder);
    process.setProcessEnvironment(environment);
    process.start(POWERREELS_CLI, arguments);
    CliResult result;
    if (!process.waitForFinished(300000) || process.exitStatus() != QProcess::NormalExit)
        return result;
    result.exitCode = process.exitCode();
    result.err = QString::fromLocal8Bit(process.readAllStandardError());
    return result;
}

QMap<QString, QByteArray> FolderFiles(const QString& folder)
{
    QMap<QString, QByteArray> files;
    const QDir root(folder);
    QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        files.insert(root.relativeFilePath(path), file.readAll());
    }
    return files;
}

QStringList RenderArguments(const QString& eMin, const QString& eMax, int steps, int pixels,
                            const QString& palette, const QString& parent)
{
    return {"render",
            "--emin",
            eMin,
            "--emax",
            eMax,
            "--steps",
            QString::number(steps),
            "--pixels",
            QString::number(pixels),
            "--palette",
            palette,
            "--dir",
            parent};
}
