#include "cli/RenderArguments.h"
#include "export/ExportArguments.h"
#include "terminal/CommandLine.h"
#include "terminal/Interrupt.h"

#include <csignal>
#include <gtest/gtest.h>

using namespace Cli;
using namespace Export;
using namespace Terminal;

namespace {

QStringList Split(const char* text)
{
    return QString(text).split(' ', Qt::SkipEmptyParts);
}

struct AcceptedRender
{
    const char* name;
    const char* arguments;
    double eMin;
    double eMax;
    int steps;
    int pixels;
    int paletteIndex;
    const char* parent;
    int firstFrame;
    int lastFrame;
    int threads;
    int decimals = 3;
    const char* lengthPlan = "";
};

class RenderArgumentsAccepted : public testing::TestWithParam<AcceptedRender>
{
};

TEST_P(RenderArgumentsAccepted, GiveTheFilm)
{
    const AcceptedRender& c = GetParam();
    const RenderOptions options = ParseRenderArguments(Split(c.arguments));
    EXPECT_EQ(options.film.eMin, c.eMin);
    EXPECT_EQ(options.film.eMax, c.eMax);
    EXPECT_EQ(options.film.steps, c.steps);
    EXPECT_EQ(options.film.pixels, c.pixels);
    EXPECT_EQ(options.film.paletteIndex, c.paletteIndex);
    EXPECT_EQ(options.parent, QString(c.parent));
    EXPECT_EQ(options.firstFrame, c.firstFrame);
    EXPECT_EQ(options.lastFrame, c.lastFrame);
    EXPECT_EQ(options.threads, c.threads);
    EXPECT_EQ(options.film.decimals, c.decimals);
    EXPECT_EQ(options.lengthPlan, QString(c.lengthPlan));
}

INSTANTIATE_TEST_SUITE_P(
    Cli, RenderArgumentsAccepted,
    testing::Values(
        AcceptedRender{"DefaultsToRainbowHereAndTheWholeFilm",
                       "--emin 2 --emax 3 --steps 4 --pixels 104", 2, 3, 4, 104, 0, ".", 0, 4, 0},
        AcceptedRender{"EqualsSignsAndAnyOrder",
                       "--pixels=512 --palette=Cyan --steps=100 --emax=3 --emin=2", 2, 3, 100, 512,
                       5, ".", 0, 100, 0},
        AcceptedRender{"PaletteInAnyCase",
                       "--emin 2 --emax 3 --steps 4 --pixels 104 --palette "
                       "yELLOW",
                       2, 3, 4, 104, 7, ".", 0, 4, 0},
        AcceptedRender{"NumbersWithSignsPointsAndExponents",
                       "--emin +2.5 --emax .3e1 --steps 007 --pixels 104", 2.5, 3, 7, 104, 0, ".",
                       0, 7, 0},
        AcceptedRender{"PixelsUpToTheCap", "--emin 2 --emax 3 --steps 4 --pixels 16384", 2, 3, 4,
                       16384, 0, ".", 0, 4, 0},
        AcceptedRender{"APartOfTheFilm",
                       "--emin 2 --emax 3 --steps 100 --pixels 104 --frames 25-49", 2, 3, 100, 104,
                       0, ".", 25, 49, 0},
        AcceptedRender{"OneFrame", "--emin 2 --emax 3 --steps 100 --pixels 104 --frames 100", 2, 3,
                       100, 104, 0, ".", 100, 100, 0},
        AcceptedRender{"FolderAndThreads",
                       "--emin 1 --emax 2 --steps 1000 --pixels 104 --dir /films --threads 3", 1, 2,
                       1000, 104, 0, "/films", 0, 1000, 3},
        AcceptedRender{"PlannedByLength",
                       "--emin 2 --emax 2.1 --seconds 10 --fps 30 --decimals 6 --pixels 104", 2,
                       2.1, 299, 104, 0, ".", 0, 299, 0, 6, "Steps=299 plays 10 s at 30 fps"},
        AcceptedRender{"LengthAtAnNtscRate",
                       "--emin 2 --emax 3 --seconds 1001 --fps 30000/1001 --pixels 104 "
                       "--decimals 5",
                       2, 3, 29999, 104, 0, ".", 0, 29999, 0, 5,
                       "Steps=29999 plays 1001 s at 29.97 fps"}),
    [](const auto& info) { return std::string(info.param.name); });

struct RefusedArguments
{
    const char* name;
    const char* arguments;
    const char* message;
};

class RenderArgumentsRefused : public testing::TestWithParam<RefusedArguments>
{
};

TEST_P(RenderArgumentsRefused, WithTheMessage)
{
    const RefusedArguments& c = GetParam();
    try {
        ParseRenderArguments(Split(c.arguments));
        FAIL() << "accepted";
    } catch (const UsageError& error) {
        EXPECT_EQ(error.message(), QString(c.message));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cli, RenderArgumentsRefused,
    testing::Values(
        RefusedArguments{"NothingGiven", "", "--emin is required."},
        RefusedArguments{"MissingPixels", "--emin 2 --emax 3 --steps 4", "--pixels is required."},
        RefusedArguments{"TrailingLetters", "--emin 2.5abc --emax 3 --steps 4 --pixels 104",
                         "--emin wants a number written with a point, like 2.5, not \"2.5abc\"."},
        RefusedArguments{"NoNumber", "--emin abc --emax 3 --steps 4 --pixels 104",
                         "--emin wants a number written with a point, like 2.5, not \"abc\"."},
        RefusedArguments{"DecimalComma", "--emin 2 --emax 3,9 --steps 4 --pixels 104",
                         "--emax wants a number written with a point, like 2.5, not \"3,9\"."},
        RefusedArguments{"EmptyNumber", "--emin 2 --emax= --steps 4 --pixels 104",
                         "--emax wants a number written with a point, like 2.5, not \"\"."},
        RefusedArguments{"FractionalSteps", "--emin 2 --emax 3 --steps 2.5 --pixels 104",
                         "--steps wants a whole number, not \"2.5\"."},
        RefusedArguments{"FractionalPixels", "--emin 2 --emax 3 --steps 4 --pixels 103.5",
                         "--pixels wants a whole number, not \"103.5\"."},
        RefusedArguments{"PixelsBeyondTheCap", "--emin 2 --emax 3 --steps 4 --pixels 16385",
                         "Please, 'Pixels' <= 16384."},
        RefusedArguments{"NegativeMinimum", "--emin -3 --emax 3 --steps 4 --pixels 104",
                         "Please, 'Minimum e' >= 1."},
        RefusedArguments{"UnknownPalette",
                         "--emin 2 --emax 3 --steps 4 --pixels 104 --palette Purple",
                         "Unknown palette \"Purple\"; the palettes are Rainbow, Grey, Red, "
                         "Green, Blue, Cyan, Magenta, Yellow."},
        RefusedArguments{"FramesBeyondTheFilm",
                         "--emin 2 --emax 3 --steps 4 --pixels 104 --frames 3-5",
                         "--frames wants A-B with 0 <= A <= B <= 4 (the film's frames are 0 to "
                         "4), not \"3-5\"."},
        RefusedArguments{"FramesBackwards", "--emin 2 --emax 3 --steps 4 --pixels 104 --frames 3-2",
                         "--frames wants A-B with 0 <= A <= B <= 4 (the film's frames are 0 to "
                         "4), not \"3-2\"."},
        RefusedArguments{"FramesNotARange",
                         "--emin 2 --emax 3 --steps 4 --pixels 104 --frames -1-2",
                         "--frames wants A-B with 0 <= A <= B <= 4 (the film's frames are 0 to "
                         "4), not \"-1-2\"."},
        RefusedArguments{"NoThreads", "--emin 2 --emax 3 --steps 4 --pixels 104 --threads 0",
                         "--threads must be a whole number from 1 to 1024, not \"0\"."},
        RefusedArguments{"ThreadsNotANumber",
                         "--emin 2 --emax 3 --steps 4 --pixels 104 --threads 2x",
                         "--threads must be a whole number from 1 to 1024, not \"2x\"."},
        RefusedArguments{"UnknownOption", "--emin 2 --colour Red", "Unknown option --colour."},
        RefusedArguments{"OptionWithoutValue", "--steps 4 --emin", "--emin needs a value."},
        RefusedArguments{"OptionTwice", "--emin 2 --emin 3", "--emin is given twice."},
        RefusedArguments{"UnknownFrameFormat",
                         "--emin 2 --emax 3 --steps 4 --pixels 104 --format jpg",
                         "--format is bmp or png, not \"jpg\"."},
        RefusedArguments{"StrayArgument", "--emin 2 film", "Unexpected argument \"film\"."},
        RefusedArguments{"SupersampleBeyondEight",
                         "--emin 2 --emax 3 --steps 4 --pixels 104 --supersample 9",
                         "--supersample must be a whole number from 1 to 8, not \"9\"."},
        RefusedArguments{"StepsFinerThanTheNames", "--emin 2 --emax 2.1 --steps 200 --pixels 104",
                         "Please, 'Steps' <= 100. With --decimals 4, up to 1000 steps fit."},
        RefusedArguments{"NamesSharedAtTheDecimalsAsked",
                         "--emin 2.00005 --emax 2.00035 --steps 3 --pixels 104 --decimals 4",
                         "Please, fewer 'Steps': two frames would share one file name. With "
                         "--decimals 5, up to 30 steps fit."},
        RefusedArguments{"StepsAndSeconds", "--emin 2 --emax 3 --steps 4 --seconds 2 --pixels 104",
                         "Give either --steps or --seconds, not both."},
        RefusedArguments{"NoWholeNumberOfFrames",
                         "--emin 2 --emax 3 --seconds 10.01 --fps 30 --pixels 104",
                         "--seconds 10.01 at 30 frames a second gives 300.3 frames; a film needs "
                         "a whole number of them, from 2 to 2147483648."},
        RefusedArguments{"SmoothWithAValue",
                         "--emin 2 --emax 3 --steps 4 --pixels 104 --smooth=yes",
                         "--smooth takes no value."},
        RefusedArguments{"AdaptiveWithOneSample",
                         "--emin 2 --emax 3 --steps 4 --pixels 104 --supersample 1 --adaptive",
                         "--adaptive needs --supersample 2 or more: it chooses which pixels get "
                         "the N x N samples."}),
    [](const auto& info) { return std::string(info.param.name); });

struct AcceptedExport
{
    const char* name;
    const char* arguments;
    const char* folder;
    const char* out;
    VideoKind kind;
    FrameRate rate;
    bool pingpong;
    int hold;
    QSize size = {};
    std::optional<int> crf = {};
};

class ExportArgumentsAccepted : public testing::TestWithParam<AcceptedExport>
{
};

TEST_P(ExportArgumentsAccepted, GiveTheVideo)
{
    const AcceptedExport& c = GetParam();
    const ExportOptions options = ParseExportArguments(Split(c.arguments));
    EXPECT_EQ(options.folder, QString(c.folder));
    EXPECT_EQ(options.out, QString(c.out));
    EXPECT_EQ(options.kind, c.kind);
    EXPECT_EQ(options.tuning.rate, c.rate);
    EXPECT_EQ(options.pingpong, c.pingpong);
    EXPECT_EQ(options.hold, c.hold);
    EXPECT_EQ(options.tuning.size, c.size);
    EXPECT_EQ(options.tuning.crf, c.crf);
}

INSTANTIATE_TEST_SUITE_P(
    Cli, ExportArgumentsAccepted,
    testing::Values(
        AcceptedExport{
            "Defaults", "film --out a.mp4", "film", "a.mp4", VideoKind::Mp4, {24, 1}, false, 1},
        AcceptedExport{"WebMWithEverything",
                       "--pingpong --hold 10 --fps 30 film --out b.webm --size 1280x720 --crf 63",
                       "film",
                       "b.webm",
                       VideoKind::WebM,
                       {30, 1},
                       true,
                       10,
                       QSize(1280, 720),
                       63},
        AcceptedExport{"EndingInAnyCase",
                       "film --out=C.GIF --fps=100",
                       "film",
                       "C.GIF",
                       VideoKind::Gif,
                       {100, 1},
                       false,
                       1},
        AcceptedExport{"FolderNamedLikeAnOption",
                       "--out a.gif -- --pingpong",
                       "--pingpong",
                       "a.gif",
                       VideoKind::Gif,
                       {24, 1},
                       false,
                       1},
        AcceptedExport{"DecimalRateInLowestTerms",
                       "film --out a.mp4 --fps 23.976 --crf 0",
                       "film",
                       "a.mp4",
                       VideoKind::Mp4,
                       {2997, 125},
                       false,
                       1,
                       {},
                       0},
        AcceptedExport{"NtscRate",
                       "film --out a.mp4 --fps 30000/1001",
                       "film",
                       "a.mp4",
                       VideoKind::Mp4,
                       {30000, 1001},
                       false,
                       1}),
    [](const auto& info) { return std::string(info.param.name); });

class ExportArgumentsRefused : public testing::TestWithParam<RefusedArguments>
{
};

TEST_P(ExportArgumentsRefused, WithTheMessage)
{
    const RefusedArguments& c = GetParam();
    try {
        ParseExportArguments(Split(c.arguments));
        FAIL() << "accepted";
    } catch (const UsageError& error) {
        EXPECT_EQ(error.message(), QString(c.message));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cli, ExportArgumentsRefused,
    testing::Values(
        RefusedArguments{"NoFolder", "--out a.mp4", "export needs exactly one film folder."},
        RefusedArguments{"TwoFolders", "one two --out a.mp4",
                         "export needs exactly one film folder."},
        RefusedArguments{"NoOut", "film", "export needs --out FILE (.mp4, .webm or .gif)."},
        RefusedArguments{"UnknownEnding", "film --out a.avi",
                         "\"a.avi\" must end in .mp4, .webm or .gif to choose the video type."},
        RefusedArguments{"NoEnding", "film --out movie",
                         "\"movie\" must end in .mp4, .webm or .gif to choose the video type."},
        RefusedArguments{"NoFrameRate", "film --out a.mp4 --fps 0",
                         "--fps wants frames per second from 1/1000 to 100, such as 24, "
                         "29.97 or 30000/1001, not \"0\"."},
        RefusedArguments{"RateOverZero", "film --out a.mp4 --fps 1/0",
                         "--fps wants frames per second from 1/1000 to 100, such as 24, "
                         "29.97 or 30000/1001, not \"1/0\"."},
        // Slower rates fail only after encoding, or are cut short silently.
        RefusedArguments{"RateBelowOneInAThousandSeconds", "film --out a.mp4 --fps 1/65536",
                         "--fps wants frames per second from 1/1000 to 100, such as 24, "
                         "29.97 or 30000/1001, not \"1/65536\"."},
        RefusedArguments{"DecimalRateBelowTheLimit", "film --out a.webm --fps 0.00001",
                         "--fps wants frames per second from 1/1000 to 100, such as 24, "
                         "29.97 or 30000/1001, not \"0.00001\"."},
        RefusedArguments{"GifFrameLongerThanItsDelayHolds", "film --out a.gif --fps 0.001",
                         "--fps for a GIF wants at least 100/65535 frames per second: it shows "
                         "a frame for at most 655.35 s, not \"0.001\"."},
        RefusedArguments{"ZeroSize", "film --out a.mp4 --size 0x720",
                         "--size wants WIDTHxHEIGHT, each from 1 to 16384, such as 1080x1080, "
                         "not \"0x720\"."},
        RefusedArguments{"NegativeSize", "film --out a.mp4 --size=-1280x720",
                         "--size wants WIDTHxHEIGHT, each from 1 to 16384, such as 1080x1080, "
                         "not \"-1280x720\"."},
        RefusedArguments{"CrfBeyondH264", "film --out a.mp4 --crf 52",
                         "--crf for MP4 (H.264) must be a whole number from 0 to 51, not \"52\"."},
        RefusedArguments{"CrfBeyondVp9", "film --out a.webm --crf 64",
                         "--crf for WebM (VP9) must be a whole number from 0 to 63, not \"64\"."},
        RefusedArguments{"CrfForAGif", "film --out a.gif --crf 10",
                         "--crf sets the quality of .mp4 and .webm videos; a GIF has no "
                         "quality scale."},
        RefusedArguments{"NoHold", "film --out a.mp4 --hold 0",
                         "--hold must be a whole number from 1 to 60000, not \"0\"."},
        RefusedArguments{"FlagWithValue", "film --out a.mp4 --pingpong=yes",
                         "--pingpong takes no value."}),
    [](const auto& info) { return std::string(info.param.name); });

// A second Ctrl-C must reach the handler as well, or it kills the program
// before it has cleaned up after the first.
TEST(CliInterrupt, EverySignalIsCaught)
{
    const std::atomic<int>& stop = CatchInterrupts();
    for (const int signal : {SIGINT, SIGINT, SIGTERM, SIGHUP}) {
        std::raise(signal);
        EXPECT_EQ(stop.load(), signal);
    }
}

} // namespace
