#include "cli/ExportProgram.h"
#include "cli/FilmRender.h"
#include "cli/HelpText.h"
#include "cli/RenderArguments.h"
#include "export/ExportArguments.h"
#include "platform/Version.h"
#include "terminal/CommandLine.h"
#include "terminal/Console.h"
#include "terminal/ExitCodes.h"
#include "terminal/Interrupt.h"

#include <cstdio>
#include <unistd.h>

using namespace Cli;
using namespace Terminal;

namespace {

// What was asked for is the output itself: failing to write it fails.
int PrintHelp(const std::string& help)
{
    const bool written = std::fputs(help.c_str(), stdout) >= 0 && std::fflush(stdout) == 0;
    return written ? ExitSuccess : ExitFailure;
}

int Run(const QStringList& arguments)
{
    StderrConsole console;
    const QString command = arguments.value(0);
    const QStringList rest = arguments.mid(1);
    try {
        if (command == "render") {
            if (RenderOptionTable().asksForHelp(rest))
                return PrintHelp(RenderHelp());
            const RenderOptions options = ParseRenderArguments(rest);
            const std::atomic<int>& stop = CatchInterrupts();
            const auto observer = isatty(STDERR_FILENO) ? MakeBarProgress() : MakeLineProgress();
            return RenderFilm(options, *observer, stop);
        }
        if (command == "export") {
            if (Export::ExportOptionTable().asksForHelp(rest))
                return PrintHelp(ExportHelp());
            return RunExportProgram(rest, console);
        }
        if (command == "--help" || command == "-h" || command == "help") {
            return PrintHelp(ProgramHelp());
        }
        if (command == "--version") {
            return PrintHelp("powerreels-cli " POWERREELS_VERSION "\n");
        }
        throw UsageError(command.isEmpty() ? QString("No command given.")
                                           : QString("Unknown command \"%1\".").arg(command));
    } catch (const UsageError& error) {
        console.problem(error.message());
        console.note("Try 'powerreels-cli --help'.");
        return ExitUsage;
    }
}

} // namespace

int main(int argc, char* argv[])
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return Run(arguments);
}
