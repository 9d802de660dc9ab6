#include "CliProcess.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <csignal>
#include <pty.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

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

CliResult RunCliOnTerminal(const QStringList& arguments)
{
    QList<QByteArray> words = {POWERREELS_CLI};
    for (const QString& argument : arguments)
        words << argument.toLocal8Bit();
    std::vector<char*> argv;
    for (QByteArray& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);
    int terminal = -1;
    const pid_t child = forkpty(&terminal, nullptr, nullptr, nullptr);
    if (child == 0) {
        execv(argv[0], argv.data());
        _exit(127);
    }
    CliResult result;
    QByteArray screen;
    char buffer[4096];
    for (ssize_t got; child > 0 && (got = read(terminal, buffer, sizeof buffer)) > 0;)
        screen.append(buffer, got);
    close(terminal);
    int status = 0;
    if (child > 0 && waitpid(child, &status, 0) == child && WIFEXITED(status))
        result.exitCode = WEXITSTATUS(status);
    result.err = QString::fromLocal8Bit(screen);
    return result;
}

QByteArray StartCliUntil(QProcess& process, const QStringList& arguments, const QString& folder,
                         const char* marker)
{
    process.setWorkingDirectory(folder);
    process.setReadChannel(QProcess::StandardError);
    process.start(POWERREELS_CLI, arguments);
    QByteArray err;
    while (!err.contains(marker) && process.waitForReadyRead(30000))
        err += process.readAllStandardError();
    return err;
}

bool StopCli(QProcess& process, const std::vector<int>& sent, QByteArray& err)
{
    for (const int signal : sent) {
        if (const qint64 pid = process.processId(); pid > 0)
            ::kill(pid_t(pid), signal);
    }
    const bool ended = process.waitForFinished(30000);
    err += process.readAllStandardError();
    return ended;
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

std::vector<UnreadableFrame> UnreadableFrames()
{
    // Byte 30 of a bitmap's header is its compression.
    const auto claim = [](char compression) {
        return [compression](const QString& frame) {
            QFile file(frame);
            if (file.open(QIODevice::ReadWrite) && file.seek(30))
                file.write(&compression, 1);
        };
    };
    // Opening the FIFO, or reading the link, would block for ever.
    return {{"Fifo",
             [](const QString& f) {
                 QFile::remove(f);
                 mkfifo(qPrintable(f), 0600);
             }},
            {"LinkToStdin",
             [](const QString& f) {
                 QFile::remove(f);
                 QFile::link("/dev/stdin", f);
             }},
            {"ClaimsRunLengthCoding", claim(1)},
            {"ClaimsBitFields", claim(3)}};
}
