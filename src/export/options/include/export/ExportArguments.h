#pragma once

#include "export/VideoKind.h"
#include "export/VideoTuning.h"
#include "terminal/OptionTable.h"

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

// The options of export, with their limits and help lines.
const Terminal::OptionTable& ExportOptionTable();

// Reads the arguments after "export". Throws Terminal::UsageError.
ExportOptions ParseExportArguments(const QStringList& arguments);

// The "Export options:" and "Export exit status:" sections of the help, as
// help2man reads them.
QString ExportHelp();

} // namespace Export
