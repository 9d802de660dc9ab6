#pragma once

#include "terminal/Console.h"

#include <QString>
#include <QStringList>

namespace Cli {

// Video export lives in a program of its own, so that only it loads FFmpeg's
// libraries and every render starts at once. It stands beside powerreels-cli
// in the build folder and in the libexec folder of an install.
QString ExportProgramPath();

// Replaces this process with the export program, given the arguments after
// "export". Returns only when that fails, with the exit code to use.
int RunExportProgram(const QStringList& arguments, Terminal::Console& console);

} // namespace Cli
