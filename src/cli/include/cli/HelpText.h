#pragma once

#include <string>

namespace Cli {

// What --help prints: the whole program, or one command. The man page
// powerreels-cli(1) is made from the program's --help, so these texts are
// its one source; they keep help2man's layout (a "Usage:" line, headings
// ending in a colon, options indented).
std::string ProgramHelp();
std::string RenderHelp();
std::string ExportHelp();

} // namespace Cli
