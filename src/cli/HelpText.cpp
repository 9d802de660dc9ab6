#include "cli/HelpText.h"

#include "film/FilmParameters.h"
#include "film/ParameterCheck.h"

#include <QString>
#include <QStringList>
#include <string_view>

namespace Cli {

namespace {

// The limits and the palette names are filled in from the film's rules.
constexpr std::string_view RenderSection = R"(Render options:
  render renders frames 0 to N of a film into PARENT/"eMin=E eMax=E Steps=N
  Pixels=N NAME", one bitmap per frame: the same files as the window's
  Calculate (or PNG files of the same pixels with --format png). The four
  numbers are required and read whole, with a point as the decimal separator
  in any language (2.5, never 2,5); then they get the window's checks and
  messages. With --supersample or --smooth the folder's name ends in " SSn",
  " Smooth" or " SSn Smooth", so that such frames never mix with the window's.
      --emin E        the minimum exponent, at least 1
      --emax E        the maximum exponent, above the minimum
      --steps N       the number of steps, a whole number; the film has N + 1
                      frames
      --pixels N      width and height of a frame, from %1 to %2
      --palette NAME  %3
      --dir PARENT    an existing folder (default: the current folder)
      --frames A-B    only frames A to B of the film's 0 to N; A alone: one frame
      --threads N     worker threads (default: one per core)
      --resume        keeps the frames of the range already on disk whole and
                      renders only the missing or damaged ones (a PNG must
                      decode whole)
      --format F      bmp (default: the window's bitmaps) or png: the same
                      pixels in a few percent of the bytes, as PowerReels-*.png
      --supersample N
                      anti-aliasing: each pixel the mean of N x N samples
                      spread over it, averaged in linear light; 1 (default)
                      to 8, costing about N x N times the time
      --smooth        colours from a continuous escape value instead of the
                      whole count: no bands outside the set, the same black

Render exit status:
  0 every frame of the range is on disk; 1 the folder could not be made or a
  frame is missing; 2 wrong arguments; 129 SIGHUP (a closed terminal); 130
  Ctrl-C; 143 SIGTERM. A progress reader that goes away (a closed pipe) does
  not stop the render. A stopped render is finished by the same command with
  --resume.
)";

constexpr std::string_view ExportSection = R"(Export options:
  export encodes the frames of a film folder that render made as a video,
  its type by the ending: .mp4 (H.264), .webm (VP9) or .gif. It reads bitmap
  and PNG frames; a frame there in both is taken from the bitmap, or from the
  PNG when the bitmap is not whole.
      --out FILE      the video to write; never left half-written
      --fps N         frames per second, above 0 and at most 100: 24
                      (default), 29.97 or 30000/1001, stored exactly
      --size WxH      scales the video to W x H pixels (area averaging when
                      shrinking, Lanczos when enlarging); .mp4 and .webm get
                      an odd side one pixel larger (default: the frame size)
      --crf N         quality of .mp4 (0 to 51, default 18) and .webm (0 to 63,
                      default 30): lower is better and larger
      --pingpong      forward, then back, for a seamless loop
      --hold N        shows the first and the last frame N frame times
      --              ends the options: FOLDER may then start with --
  On a terminal a bar shows the frames encoded of all, the elapsed and the
  remaining time.

Export exit status:
  0 written; 1 no frame found, or the video could not be written; 2 wrong
  arguments or a folder whose name is not a film's; 129 SIGHUP; 130 Ctrl-C;
  143 SIGTERM.
)";

constexpr std::string_view OtherSection = R"(Other options:
  -h, --help          shows this help (after a command: that command's)
      --version       shows the version
)";

// Help lines are kept within 79 columns; an option's text goes on under
// itself.
constexpr int HelpWidth = 79;
constexpr int OptionTextColumn = 22;

QString WrapOptionText(const QString& text)
{
    QString wrapped;
    int column = OptionTextColumn;
    for (const QString& word : text.split(' ')) {
        if (column > OptionTextColumn && column + 1 + word.size() > HelpWidth) {
            wrapped += '\n' + QString(OptionTextColumn, ' ');
            column = OptionTextColumn;
        } else if (column > OptionTextColumn) {
            wrapped += ' ';
            ++column;
        }
        wrapped += word;
        column += int(word.size());
    }
    return wrapped;
}

std::string RenderOptionsHelp()
{
    QString palettes = Film::PaletteNameList();
    palettes.replace(palettes.indexOf(','), 1, " (default),");
    palettes.replace(palettes.lastIndexOf(", "), 2, " or ");
    return QString::fromLatin1(RenderSection.data(), qsizetype(RenderSection.size()))
        .arg(Film::MinPixels)
        .arg(Film::MaxPixels)
        .arg(WrapOptionText(palettes))
        .toStdString();
}

constexpr std::string_view RenderUsage =
    "powerreels-cli render --emin E --emax E --steps N --pixels N [OPTION]...\n";

constexpr std::string_view ExportUsage =
    "powerreels-cli export FOLDER --out FILE.mp4|FILE.webm|FILE.gif [OPTION]...\n";

} // namespace

std::string ProgramHelp()
{
    std::string help = "Usage: ";
    help += RenderUsage;
    help += "  or:  ";
    help += ExportUsage;
    help += "Renders films of the Mandelbrot set with real exponents without a window,\n"
            "the same frames as the PowerReels window, and turns them into videos.\n\n";
    help += RenderOptionsHelp();
    help += "\n";
    help += ExportSection;
    help += "\n";
    help += OtherSection;
    return help;
}

std::string RenderHelp()
{
    return "Usage: " + std::string(RenderUsage) + "\n" + RenderOptionsHelp();
}

std::string ExportHelp()
{
    return "Usage: " + std::string(ExportUsage) + "\n" + std::string(ExportSection);
}

bool AsksForHelp(const QStringList& arguments, const QStringList& valueOptions)
{
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == "--")
            return false;
        if (argument == "--help" || argument == "-h")
            return true;
        if (valueOptions.contains(argument))
            ++i;
    }
    return false;
}

} // namespace Cli
