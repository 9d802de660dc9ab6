#include "film/FilmParameters.h"
#include "film/ParameterCheck.h"

#include <gtest/gtest.h>

namespace {

using Film::ParameterField;

struct RuleCase
{
    const char* name;
    Film::ParameterTexts texts;
    const char* message; // empty: passes
    ParameterField field;
    int decimals = Film::DefaultDecimals; // of the frame names
};

class FilmRules : public testing::TestWithParam<RuleCase>
{
};

// Read by the window's rules, checked in the window's order against a
// 600-pixel screen: the first failing rule speaks, and a number that cannot
// be held only once the rules before it passed.
TEST_P(FilmRules, GiveTheFirstFailingRulesMessage)
{
    const RuleCase& c = GetParam();
    const Film::ParameterCheck check = Film::CheckParameters(c.texts, 600, c.decimals);
    EXPECT_EQ(check.passed, QString(c.message).isEmpty());
    EXPECT_EQ(check.message, QString(c.message));
    EXPECT_EQ(check.field, c.field);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, FilmRules,
    testing::Values(
        RuleCase{"Passes", {"2", "3", "4", "104"}, "", ParameterField::None},
        RuleCase{"LargestPicture", {"2", "3", "4", "600"}, "", ParameterField::None},
        RuleCase{"FinestSteps", {"2", "2.5", "500", "104"}, "", ParameterField::None},
        RuleCase{"MinimumBelowOne",
                 {"0.5", "3", "4", "200"},
                 "Please, 'Minimum e' >= 1.",
                 ParameterField::EMin},
        RuleCase{"EmptyMinimum",
                 {"", "3", "4", "200"},
                 "Please, 'Minimum e' >= 1.",
                 ParameterField::EMin},
        RuleCase{"MaximumNotAbove",
                 {"2", "2", "4", "200"},
                 "Please, 'Maximum e' > 'Minimum e'.",
                 ParameterField::EMax},
        RuleCase{"NoSteps", {"2", "3", "0", "200"}, "Please, 'Steps' > 0.", ParameterField::Steps},
        RuleCase{"StepsRoundedToNone",
                 {"2", "3", "0.4", "200"},
                 "Please, 'Steps' > 0.",
                 ParameterField::Steps},
        RuleCase{"StepsFinerThanNames",
                 {"2", "2.5", "501", "200"},
                 "Please, 'Steps' <= 500.",
                 ParameterField::Steps},
        RuleCase{"StepsFinerThanSixDecimals",
                 {"2", "2.1", "100001", "200"},
                 "Please, 'Steps' <= 100000.",
                 ParameterField::Steps,
                 6},
        RuleCase{"TooFewPixels",
                 {"2", "3", "4", "103"},
                 "Please, 'Pixels' >= 104.",
                 ParameterField::Pixels},
        RuleCase{"TooManyPixels",
                 {"2", "3", "4", "601"},
                 "Please, 'Pixels' <= 600.",
                 ParameterField::Pixels},
        RuleCase{"MinimumBeyondDouble",
                 {"1e400", "3", "4", "200"},
                 "Redo From Start.",
                 ParameterField::None},
        RuleCase{
            "StepsBeyondLong", {"2", "3", "3e9", "200"}, "Redo From Start.", ParameterField::None},
        RuleCase{"StepLimitBeyondDouble",
                 {"1", "1.7e308", "4", "200"},
                 "Redo From Start.",
                 ParameterField::None},
        // An earlier rule speaks before a later number that cannot be held.
        RuleCase{"EarlierRuleFirst",
                 {"0", "3", "4", "1e400"},
                 "Please, 'Minimum e' >= 1.",
                 ParameterField::EMin},
        // The point is the only separator the window reads: "2,5" is 2.
        RuleCase{"CommaEndsTheNumber",
                 {"2,5", "2,9", "4", "200"},
                 "Please, 'Maximum e' > 'Minimum e'.",
                 ParameterField::EMax}),
    [](const auto& info) { return std::string(info.param.name); });

// The numbers alone (as export reads them from a folder name) meet the same
// rules without passing through text.
TEST(FilmRules, NumbersMeetTheSameRules)
{
    const Film::ParameterCheck passed = Film::CheckFilmNumbers({2.5, 4.75, 25, 300}, 16384);
    ASSERT_TRUE(passed.passed);
    EXPECT_EQ(Film::CheckedFilm(passed, 7), (Film::FilmParameters{2.5, 4.75, 25, 300, 7}));
    EXPECT_EQ(Film::CheckFilmNumbers({2, 3, std::nullopt, 300}, 16384).message, "Redo From Start.");
    EXPECT_EQ(Film::CheckFilmNumbers({2, 3, 4, 16385}, 16384).message,
              "Please, 'Pixels' <= 16384.");
}

// The film names its folder and frames under either decimal separator.
TEST(FilmRules, FilmNamesItsFolderAndFrames)
{
    const Film::FilmParameters film{1, 4.5, 7, 300, 5};
    EXPECT_EQ(film.folderName(u'.'), "eMin=1 eMax=4.5 Steps=7 Pixels=300 Cyan");
    EXPECT_EQ(film.folderName(u','), "eMin=1 eMax=4,5 Steps=7 Pixels=300 Cyan");
    // Exactly 1 is rendered as 1.0001, which names the same file.
    EXPECT_EQ(film.renderedExponent(0), 1.0001);
    EXPECT_EQ(film.frameFileName(0, u','), "PowerReels-001,000.bmp");
    EXPECT_EQ(film.frameFileName(7, u'.'), "PowerReels-004.500.bmp");
    EXPECT_EQ(Film::PaletteIndex("magenta"), 6);
    EXPECT_EQ(Film::PaletteIndex("Purple"), -1);
}

} // namespace
