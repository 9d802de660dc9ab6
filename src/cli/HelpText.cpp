#include "cli/HelpText.h"

#include "cli/RenderArguments.h"
#include "export/ExportArguments.h"

#include <QString>

namespace Cli {

namespace {

QString RenderOptionsHelp()
{
    return "Render options:\n"
           "  render renders frames 0 to N of a film into PARENT/\"eMin=E eMax=E Steps=N\n"
           "  Pixels=N NAME\", one bitmap per frame: the same files as the window's\n"
           "  Calculate (or PNG files of the same pixels with --format png). The four\n"
           "  numbers are required and read whole, with a point as the decimal separator\n"
           "  in any language (2.5, never 2,5); then they get the window's checks and\n"
           "  messages. With --supersample, --adaptive, --smooth or --decimals the\n"
           "  folder's name ends in \" SSn\", \" Adaptive\", \" Smooth\" and \" Dn\" in this\n"
           "  order, so that such frames never mix with the window's. For a film to\n"
           "  share, --supersample 3 --adaptive smooths its edges at a quarter of the cost\n"
           "  of --supersample 3.\n" +
           RenderOptionTable().help() +
           "\n"
           "Render exit status:\n"
           "  0 every frame of the range is on disk; 1 the folder could not be made or a\n"
           "  frame is missing; 2 wrong arguments; 129 SIGHUP (a closed terminal); 130\n"
           "  Ctrl-C; 143 SIGTERM. A progress reader that goes away (a closed pipe) does\n"
           "  not stop the render. A stopped render is finished by the same command with\n"
           "  --resume.\n";
}

constexpr char RenderUsage[] =
    "powerreels-cli render --emin E --emax E --steps N --pixels N [OPTION]...\n";

constexpr char ExportUsage[] =
    "powerreels-cli export FOLDER --out FILE.mp4|FILE.webm|FILE.gif [OPTION]...\n";

constexpr char OtherSection[] = "Other options:\n"
                                "  -h, --help          shows this help (after a command: that "
                                "command's)\n"
                                "      --version       shows the version\n";

} // namespace

std::string ProgramHelp()
{
    const QString help = QString("Usage: ") + RenderUsage + "  or:  " + ExportUsage +
                         "Renders films of the Mandelbrot set with real exponents without a "
                         "window,\nthe same frames as the PowerReels window, and turns them "
                         "into videos.\n\n" +
                         RenderOptionsHelp() + "\n" + Export::ExportHelp() + "\n" + OtherSection;
    return help.toStdString();
}

std::string RenderHelp()
{
    return (QString("Usage: ") + RenderUsage + "\n" + RenderOptionsHelp()).toStdString();
}

std::string ExportHelp()
{
    return (QString("Usage: ") + ExportUsage + "\n" + Export::ExportHelp()).toStdString();
}

} // namespace Cli
