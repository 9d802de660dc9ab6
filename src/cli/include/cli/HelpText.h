#pragma once

#include <QStringList>
#include <string>

namespace Cli {

// What --help prints: the whole program, or one command. The man page
// powerreels-cli(1) is made from the program's --help, so these texts are
// its one source; they keep help2man's layout (a "Usage:" line, headings
// ending in a colon, options indented).
std::string ProgramHelp();
std::string RenderHelp();
std::string ExportHelp();

// Whether the arguments after a command ask for its help: "--help" or "-h"
// anywhere before a "--", which ends the options, except as the value of one
// of the command's valueOptions ("--dir -h" names a folder).
bool AsksForHelp(const QStringList& arguments, const QStringList& valueOptions);

} // namespace Cli
