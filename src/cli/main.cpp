#include "cli/CommandLine.h"
#include "cli/Console.h"
#include "cli/ExitCodes.h"
#include "cli/FilmExport.h"
#include "cli/FilmRender.h"
#include "cli/Interrupt.h"
#include "cli/RenderArguments.h"

#include <cstdio>
#include <unistd.h>

using namespace Cli;

namespace {

const char* const Usage = R"(Usage:
  powerreels-cli render --emin E --emax E --steps N --pixels N [--palette NAME]
                        [--dir PARENT] [--frames A-B] [--threads N] [--resume]
  powerreels-cli export FOLDER --out FILE.mp4|FILE.webm|FILE.gif
                        [--fps 24] [--pingpong] [--hold N]

render  renders the film into PARENT/"eMin=E eMax=E Steps=N Pixels=N NAME",
        one bitmap per frame, the same files as the window's Calculate.
        --palette  Rainbow (default), Grey, Red, Green, Blue, Cyan, Magenta
                   or Yellow
        --dir      an existing folder (default: the current folder)
        --frames   only frames A to B of the film's 0 to Steps
        --threads  worker threads (default: one per core)
        --resume   keep the frames already on disk whole, render the rest
export  encodes a film folder's frames as a video, its type by the ending.
        --fps       frames per second (default 24)
        --pingpong  forward then back, for a seamless loop
        --hold N    shows the first and last frame N frame times

Exit codes: 0 done, 1 a file could not be read or written, 2 wrong
arguments, 130 stopped by Ctrl-C (143 by SIGTERM).
)";

int Run(const QStringList& arguments)
{
    StderrConsole console;
    const QString command = arguments.value(0);
    const QStringList rest = arguments.mid(1);
    try {
        if (command == "render") {
            const RenderOptions options = ParseRenderArguments(rest);
            const std::atomic<int>& stop = CatchInterrupts();
            const auto observer = isatty(STDERR_FILENO) ? MakeBarProgress() : MakeLineProgress();
            return RenderFilm(options, *observer, stop);
        }
        if (command == "export") {
            const ExportOptions options = ParseExportArguments(rest);
            return ExportFilm(options, console, CatchInterrupts());
        }
        if (command == "--help" || command == "-h" || command == "help") {
            std::fputs(Usage, stdout);
            return ExitSuccess;
        }
        if (command == "--version") {
            std::puts("powerreels-cli " POWERREELS_VERSION);
            return ExitSuccess;
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
