#include "film/FilmFolder.h"
#include "film/FrameNaming.h"
#include "platform/Numbers.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace Film;

namespace {

// The number settings of a test, put back afterwards.
class NumberSettings
{
public:
    explicit NumberSettings(const QLocale& locale) : m_previous(QLocale())
    {
        QLocale::setDefault(locale);
    }
    ~NumberSettings() { QLocale::setDefault(m_previous); }

private:
    QLocale m_previous;
};

const QLocale Point = QLocale::c();
const QLocale Comma(QLocale::German, QLocale::Germany);

struct NameCase
{
    const char* name;
    const char* folderName;
    std::optional<FilmParameters> film;
};

class FolderNameTest : public testing::TestWithParam<NameCase>
{
};

TEST_P(FolderNameTest, ReadsTheFilm)
{
    const NameCase& c = GetParam();
    const std::optional<FilmParameters> film = ParseFilmFolderName(c.folderName);
    ASSERT_EQ(film.has_value(), c.film.has_value());
    if (!film)
        return;
    EXPECT_EQ(film->eMin, c.film->eMin);
    EXPECT_EQ(film->eMax, c.film->eMax);
    EXPECT_EQ(film->steps, c.film->steps);
    EXPECT_EQ(film->pixels, c.film->pixels);
    EXPECT_EQ(film->paletteIndex, c.film->paletteIndex);
}

INSTANTIATE_TEST_SUITE_P(
    Cli, FolderNameTest,
    testing::Values(
        NameCase{"WholeNumbers", "eMin=2 eMax=3 Steps=4 Pixels=120 Blue",
                 FilmParameters{2, 3, 4, 120, 4}},
        NameCase{"DecimalPoint", "eMin=2.5 eMax=4.75 Steps=25 Pixels=300 Rainbow",
                 FilmParameters{2.5, 4.75, 25, 300, 0}},
        NameCase{"DecimalComma", "eMin=2,5 eMax=4,75 Steps=25 Pixels=300 Yellow",
                 FilmParameters{2.5, 4.75, 25, 300, 7}},
        NameCase{"GeneralNumberWithExponent", "eMin=1 eMax=1E+15 Steps=4 Pixels=104 Grey",
                 FilmParameters{1, 1e15, 4, 104, 1}},
        NameCase{"PaletteInAnotherCase", "eMin=2 eMax=3 Steps=4 Pixels=120 blue", std::nullopt},
        NameCase{"UnknownPalette", "eMin=2 eMax=3 Steps=4 Pixels=120 Purple", std::nullopt},
        NameCase{"TwoSeparators", "eMin=2.5.1 eMax=3 Steps=4 Pixels=120 Red", std::nullopt},
        NameCase{"MissingPiece", "eMin=2 eMax=3 Pixels=120 Red", std::nullopt},
        NameCase{"TextAfterTheName", "eMin=2 eMax=3 Steps=4 Pixels=120 Red copy", std::nullopt},
        NameCase{"NoSteps", "eMin=2 eMax=3 Steps=0 Pixels=120 Red", std::nullopt},
        NameCase{"TooManySteps", "eMin=2 eMax=3 Steps=1001 Pixels=120 Red", std::nullopt},
        NameCase{"MaximumBelowMinimum", "eMin=3 eMax=2 Steps=4 Pixels=120 Red", std::nullopt},
        NameCase{"TooFewPixels", "eMin=2 eMax=3 Steps=4 Pixels=103 Red", std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

struct RoundTrip
{
    const char* name;
    double eMin;
    double eMax;
    std::int32_t steps;
    std::int32_t pixels;
    int paletteIndex;
};

class FolderNameRoundTrip : public testing::TestWithParam<std::tuple<RoundTrip, bool>>
{
};

// Whatever the render wrote under either setting reads back to the same
// numbers, bit for bit, so the frame names come out the same.
TEST_P(FolderNameRoundTrip, GivesTheSameNumbers)
{
    const auto& [c, comma] = GetParam();
    const NumberSettings settings(comma ? Comma : Point);
    const QString folder =
        FilmParameters{c.eMin, c.eMax, c.steps, c.pixels, c.paletteIndex}.folderPath(
            "/films/", Platform::DecimalSeparator());
    const std::optional<FilmParameters> film = ParseFilmFolderName(QFileInfo(folder).fileName());
    ASSERT_TRUE(film) << folder.toStdString();
    EXPECT_EQ(film->eMin, c.eMin);
    EXPECT_EQ(film->eMax, c.eMax);
    EXPECT_EQ(film->steps, c.steps);
    EXPECT_EQ(film->pixels, c.pixels);
    EXPECT_EQ(film->paletteIndex, c.paletteIndex);
}

INSTANTIATE_TEST_SUITE_P(
    Cli, FolderNameRoundTrip,
    testing::Combine(testing::Values(RoundTrip{"Plain", 2, 3, 100, 512, 0},
                                     RoundTrip{"Fractions", 1.0001, 2.345, 1000, 104, 2},
                                     RoundTrip{"FifteenDigits", 3.14159265358979, 4.5, 1, 200, 6},
                                     RoundTrip{"TenthsThatAreNotBinary", 2.1, 2.3, 199, 104, 3}),
                     testing::Bool()),
    [](const auto& info) {
        return std::string(std::get<0>(info.param).name) +
               (std::get<1>(info.param) ? "Comma" : "Point");
    });

struct VariantCase
{
    const char* name;
    const char* suffix;
    std::optional<std::pair<int, bool>> variant; // supersample, smooth
    int decimals = Film::DefaultDecimals;
};

class VariantFolderName : public testing::TestWithParam<VariantCase>
{
};

// A variant's folder reads back to its options and is named again alike;
// any other spelling names no film.
TEST_P(VariantFolderName, RoundTrips)
{
    const VariantCase& c = GetParam();
    const QString name = QString("eMin=2 eMax=3 Steps=4 Pixels=120 Blue") + c.suffix;
    const std::optional<FilmParameters> film = ParseFilmFolderName(name);
    ASSERT_EQ(film.has_value(), c.variant.has_value());
    if (!film)
        return;
    EXPECT_EQ(std::pair(film->supersample, film->smooth), *c.variant);
    EXPECT_EQ(film->decimals, c.decimals);
    EXPECT_EQ(film->folderName(u'.'), name);
}

INSTANTIATE_TEST_SUITE_P(
    Cli, VariantFolderName,
    testing::Values(VariantCase{"Default", "", std::pair(1, false)},
                    VariantCase{"Supersampled", " SS3", std::pair(3, false)},
                    VariantCase{"Smooth", " Smooth", std::pair(1, true)},
                    VariantCase{"Both", " SS8 Smooth", std::pair(8, true)},
                    VariantCase{"Adaptive", " SS3 Adaptive", std::pair(3, false)},
                    VariantCase{"AdaptiveSmooth", " SS2 Adaptive Smooth", std::pair(2, true)},
                    VariantCase{"AdaptiveAlone", " Adaptive", std::nullopt},
                    VariantCase{"AdaptiveFirst", " Adaptive SS3", std::nullopt},
                    VariantCase{"AdaptiveLowerCase", " SS3 adaptive", std::nullopt},
                    VariantCase{"Fine", " D6", std::pair(1, false), 6},
                    VariantCase{"AfterSS", " SS2 D9", std::pair(2, false), 9},
                    VariantCase{"ThreeIsTheDefault", " D3", std::nullopt},
                    VariantCase{"OneSampleIsTheDefault", " SS1", std::nullopt},
                    VariantCase{"BeyondEight", " SS9", std::nullopt},
                    VariantCase{"OtherOrder", " Smooth SS3", std::nullopt},
                    VariantCase{"Twice", " Smooth Smooth", std::nullopt},
                    VariantCase{"OtherWord", " SS3 copy", std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

class FrameListTest : public testing::TestWithParam<std::tuple<bool, bool>>
{
};

// A film made under one number setting is found under the other as well.
TEST_P(FrameListTest, FindsTheFramesOfEitherSetting)
{
    const auto [filmComma, userComma] = GetParam();
    QTemporaryDir folder;
    const FilmParameters film{2, 3, 4, 104, 0};
    {
        const NumberSettings made(filmComma ? Comma : Point);
        for (std::int32_t k = 0; k <= film.steps; ++k) {
            if (k == 3)
                continue;
            QFile file(film.framePath(folder.path(), k, Platform::DecimalSeparator()));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        }
    }
    const NumberSettings user(userComma ? Comma : Point);
    const std::atomic<int> running{0};
    const FilmFrames frames = ListFilmFrames(folder.path(), film, running);

    std::vector<std::int64_t> present;
    for (const FilmFrame& frame : frames.present) {
        present.push_back(frame.k);
        EXPECT_TRUE(QFileInfo(frame.path).isFile());
    }
    EXPECT_EQ(present, (std::vector<std::int64_t>{0, 1, 2, 4}));
    ASSERT_EQ(frames.missing.size(), 1u);
    EXPECT_EQ(frames.missing[0].k, 3);
    EXPECT_EQ(frames.missing[0].e, 2.75);
}

INSTANTIATE_TEST_SUITE_P(Cli, FrameListTest, testing::Combine(testing::Bool(), testing::Bool()),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param) ? "CommaFilm"
                                                                        : "PointFilm") +
                                    (std::get<1>(info.param) ? "CommaUser" : "PointUser");
                         });

} // namespace
