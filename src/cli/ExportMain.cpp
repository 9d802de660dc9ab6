#include "cli/CommandLine.h"
#include "cli/Console.h"
#include "cli/ExitCodes.h"
#include "cli/ExportArguments.h"
#include "cli/FilmExport.h"
#include "cli/Interrupt.h"

// The video export, which powerreels-cli starts for "export": the only
// program that links FFmpeg's libraries.
int main(int argc, char* argv[])
{
    using namespace Cli;
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    StderrConsole console;
    try {
        const ExportOptions options = ParseExportArguments(arguments);
        return ExportFilm(options, console, CatchInterrupts());
    } catch (const UsageError& error) {
        console.problem(error.message());
        console.note("Try 'powerreels-cli export --help'.");
        return ExitUsage;
    }
}
