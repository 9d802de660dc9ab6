#pragma once

#include "export/VideoKind.h"
#include "export/VideoTuning.h"

#include <QString>
#include <QStringList>

namespace Export {

struct ExportOptions
{
    QString folder;
    QString out;
    VideoKind kind = VideoKind::Mp4;
    VideoTuning tuning;
    bool pingpong = false;
    int hold = 1; // frame times of each end frame
};

// Reads the arguments after "export". Throws Terminal::UsageError.
ExportOptions ParseExportArguments(const QStringList& arguments);

} // namespace Export
