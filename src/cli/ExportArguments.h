#pragma once

#include "cli/VideoKind.h"

#include <QString>
#include <QStringList>

namespace Cli {

struct ExportOptions
{
    QString folder;
    QString out;
    VideoKind kind = VideoKind::Mp4;
    int framesPerSecond = 24;
    bool pingpong = false;
    int hold = 1; // frame times of each end frame
};

// The options of export that take a value.
QStringList ExportValueOptions();

// Reads the arguments after "export". Throws UsageError.
ExportOptions ParseExportArguments(const QStringList& arguments);

} // namespace Cli
