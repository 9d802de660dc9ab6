#pragma once

#include <QByteArray>
#include <QMap>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

struct CliResult
{
    int exitCode = -1;
    QString err;
};

// Runs the built powerreels-cli to its end in folder, stderr not a terminal.
CliResult RunCli(const QStringList& arguments, const QString& folder,
                 const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment());

// Every file under folder by its relative path, with its bytes.
QMap<QString, QByteArray> FolderFiles(const QString& folder);

// The arguments of a render of the given film into parent.
QStringList RenderArguments(const QString& eMin, const QString& eMax, int steps, int pixels,
                            const QString& palette, const QString& parent);
