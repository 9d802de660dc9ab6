#include "export/ExportArguments.h"
#include "export/FilmExport.h"
#include "terminal/CommandLine.h"
#include "terminal/Console.h"
#include "terminal/ExitCodes.h"
#include "terminal/Interrupt.h"

// The video export, which powerreels-cli starts for "export": the only
// program that links FFmpeg's libraries.
int main(int argc, char* argv[])
{
    using namespace Export;
    using namespace Terminal;
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
