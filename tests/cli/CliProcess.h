#pragma once

#include <QByteArray>
#include <QMap>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

class QProcess;

struct CliResult
{
    int exitCode = -1;
    QString err;
};

// Runs the built powerreels-cli to its end in folder, stderr not a terminal.
CliResult RunCli(const QStringList& arguments, const QString& folder,
                 const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment());

// Runs the built powerreels-cli to its end with a terminal as its stdout
// and stderr; returns what the terminal showed.
CliResult RunCliOnTerminal(const QStringList& arguments);

// Starts the built powerreels-cli in folder and reads its stderr until it
// holds marker or the program ends; returns what was read.
QByteArray StartCliUntil(QProcess& process, const QStringList& arguments, const QString& folder,
                         const char* marker);

// Sends the signals to the program while it runs (a pid of 0 would reach
// this test's own group), then waits for its end and reads the rest of
// stderr into err.
bool StopCli(QProcess& process, const std::vector<int>& sent, QByteArray& err);

// Every file under folder by its relative path, with its bytes.
QMap<QString, QByteArray> FolderFiles(const QString& folder);

// The arguments of a render of the given film into parent.
QStringList RenderArguments(const QString& eMin, const QString& eMax, int steps, int pixels,
                            const QString& palette, const QString& parent);

// What a hostile neighbour or an unlucky user may leave under a frame's name
// that no reader can take.
struct UnreadableFrame
{
    const char* name;
    std::function<void(const QString& frame)> make;
};
std::vector<UnreadableFrame> UnreadableFrames();
