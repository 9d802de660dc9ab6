#pragma once

#include "cli/VideoKind.h"
#include "cli/VideoTuning.h"

#include <QString>
#include <QStringList>

namespace Cli {

struct ExportOptions
{
    QString folder;
    QString out;
    VideoKind kind = VideoKind::Mp4;
    VideoTuning tuning;
    bool pingpong = false;
    int hold = 1; // frame times of each end frame
};

// Reads the arguments after "export". Throws UsageError.
ExportOptions ParseExportArguments(const QStringList& arguments);

} // namespace Cli
