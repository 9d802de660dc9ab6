#include "film/FilmParameters.h"
#include "film/FrameNaming.h"
#include "film/SharedFrameNames.h"
#include "platform/Numbers.h"

#include <QLocale>
#include <gtest/gtest.h>

namespace {

// Runs a test body under a locale with the given decimal separator.
class LocaleScope
{
public:
    explicit LocaleScope(const QLocale& locale) { QLocale::setDefault(locale); }
    ~LocaleScope() { QLocale::setDefault(QLocale::c()); }
};

struct FolderCase
{
    const char* name;
    double eMin;
    double eMax;
    int steps;
    int pixels;
    const char* palette;
    const char* withPoint;
    const char* withComma;
};

class FolderNames : public testing::TestWithParam<FolderCase>
{
};

TEST_P(FolderNames, SpellTheParameters)
{
    const FolderCase& c = GetParam();
    const Film::FilmParameters film{c.eMin, c.eMax, c.steps, c.pixels,
                                    Film::PaletteIndex(c.palette)};
    {
        LocaleScope point(QLocale::c());
        EXPECT_EQ(film.folderPath("/films/", Platform::DecimalSeparator()),
                  QString("/films/") + c.withPoint);
    }
    LocaleScope comma(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(film.folderPath("/films/", Platform::DecimalSeparator()),
              QString("/films/") + c.withComma);
}

INSTANTIATE_TEST_SUITE_P(Examples, FolderNames,
                         testing::Values(FolderCase{"example", 2, 4.5, 25, 300, "Rainbow",
                                                    "eMin=2 eMax=4.5 Steps=25 Pixels=300 Rainbow",
                                                    "eMin=2 eMax=4,5 Steps=25 Pixels=300 Rainbow"},
                                         FolderCase{"minimumOne", 1, 1.25, 5, 104, "Grey",
                                                    "eMin=1 eMax=1.25 Steps=5 Pixels=104 Grey",
                                                    "eMin=1 eMax=1,25 Steps=5 Pixels=104 Grey"},
                                         FolderCase{"typed2point50", 2.5, 3, 4, 120, "Blue",
                                                    "eMin=2.5 eMax=3 Steps=4 Pixels=120 Blue",
                                                    "eMin=2,5 eMax=3 Steps=4 Pixels=120 Blue"}),
                         [](const testing::TestParamInfo<FolderCase>& info) {
                             return info.param.name;
                         });

struct FileCase
{
    const char* name;
    double e;
    const char* withPoint;
    const char* withComma;
    int decimals = Film::DefaultDecimals;
};

class FileNames : public testing::TestWithParam<FileCase>
{
};

TEST_P(FileNames, SpellTheExponentWithTheirDecimals)
{
    const FileCase& c = GetParam();
    const auto name = [&] {
        return Film::FrameFileName(c.e, Platform::DecimalSeparator(), Platform::PictureFormat::Bmp,
                                   c.decimals);
    };
    {
        LocaleScope point(QLocale::c());
        EXPECT_EQ(name(), QString("PowerReels-") + c.withPoint + ".bmp");
    }
    LocaleScope comma(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(name(), QString("PowerReels-") + c.withComma + ".bmp");
}

INSTANTIATE_TEST_SUITE_P(Examples, FileNames,
                         testing::Values(FileCase{"half", 2.5, "002.500", "002,500"},
                                         FileCase{"rounded", 12.3456, "012.346", "012,346"},
                                         FileCase{"fourDigits", 1234.5, "1234.500", "1234,500"},
                                         FileCase{"thousand", 1000, "1000.000", "1000,000"},
                                         FileCase{"substitutedOne", 1.0001, "001.000", "001,000"},
                                         FileCase{"one", 1, "001.000", "001,000"},
                                         FileCase{"six", 2.0003344, "002.000334", "002,000334", 6}),
                         [](const testing::TestParamInfo<FileCase>& info) {
                             return info.param.name;
                         });

TEST(FrameExponent, KeepsItsOrderOfOperations)
{
    // ((eMax - eMin) * k) / steps + eMin: the last frame may miss eMax in the
    // last place, and the run and the show must agree on that.
    const double eMin = 1.1;
    const double eMax = 1.7;
    const int steps = 7;
    for (int k = 0; k <= steps; ++k)
        EXPECT_EQ(Film::FrameExponent(eMin, eMax, steps, k), ((eMax - eMin) * k) / steps + eMin);
    EXPECT_EQ(Film::FrameExponent(2, 3, 4, 0), 2.0);
    EXPECT_EQ(Film::FrameExponent(2, 3, 4, 1), 2.25);
}

TEST(RenderedExponent, ReplacesOnlyExactlyOne)
{
    EXPECT_EQ(Film::RenderedExponent(1.0), 1.0001);
    EXPECT_EQ(Film::RenderedExponent(1.0000000000000002), 1.0000000000000002);
    EXPECT_EQ(Film::RenderedExponent(2.0), 2.0);
}

TEST(FrameCaption, ShowsTheExponentAndState)
{
    LocaleScope point(QLocale::c());
    EXPECT_EQ(Film::FrameCaption(2.5, " (Calculating)", Platform::DecimalSeparator()),
              "PowerReels - e=2.500 (Calculating)");
    EXPECT_EQ(Film::FrameCaption(1.0001, " (Saving)", Platform::DecimalSeparator()),
              "PowerReels - e=1.000 (Saving)");
    LocaleScope comma(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(Film::FrameCaption(2.25, " (SlideShow)", Platform::DecimalSeparator()),
              "PowerReels - e=2,250 (SlideShow)");
}

} // namespace

namespace {

// Films of one span and number of steps, the minimum walking from first.
struct FilmFamily
{
    const char* name;
    double first, by, span;
    int films, steps;
};

class SharedNames : public testing::TestWithParam<std::tuple<FilmFamily, int>>
{
};

// The quick rule says what comparing every frame's name with the next says,
// for names of every number of decimals.
TEST_P(SharedNames, AgreeWithEveryName)
{
    const auto& [c, decimals] = GetParam();
    // The family's fractions shrink with the names' last decimal.
    const double finer = 1000 / Film::NameUnits(decimals);
    for (double eMin = c.first; eMin < c.first + c.films * c.by; eMin += c.by) {
        Film::FilmParameters film{std::floor(eMin) + (eMin - std::floor(eMin)) * finer, 0, c.steps,
                                  104, 0};
        film.eMax = film.eMin + c.span * finer;
        film.decimals = decimals;
        bool shared = false;
        for (std::int64_t k = 0; k < c.steps; ++k)
            shared = shared || film.frameFileName(k, u'.') == film.frameFileName(k + 1, u'.');
        EXPECT_EQ(Film::FramesShareNames(film.eMin, film.eMax, c.steps, decimals), shared) << eMin;
    }
}

// The first film has frames 1 and 2 both named 001.002 (001.0002, ...).
INSTANTIATE_TEST_SUITE_P(
    Film, SharedNames,
    testing::Combine(testing::Values(FilmFamily{"OnHalves", 1.0005, 0.001, 0.002, 400, 2},
                                     FilmFamily{"LongOnHalves", 1.0005, 0.137, 1, 40, 1000},
                                     FilmFamily{"OffHalves", 1, 0.0013, 0.002, 400, 2},
                                     FilmFamily{"PastThousandths", 1e13, 1, 1, 20, 1000}),
                     testing::Range(Film::DefaultDecimals, Film::MaxDecimals + 1)),
    [](const auto& info) {
        return std::get<0>(info.param).name + std::to_string(std::get<1>(info.param));
    });

} // namespace
