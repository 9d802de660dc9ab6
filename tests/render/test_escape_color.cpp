#include "render/EscapeColor.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct EscapeCase
{
    const char* name;
    int count;
    int firstCount;
    int palette;
    std::int32_t expected;
};

class EscapeColor : public testing::TestWithParam<EscapeCase>
{
};

// At e = 2 the Rainbow hue is 2: pure red at whiteness 0.
TEST_P(EscapeColor, FollowsTheCountAndTheFirstCount)
{
    const EscapeCase& c = GetParam();
    EXPECT_EQ(Render::EscapeColor(2, c.count, c.firstCount, c.palette), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, EscapeColor,
    testing::Values(EscapeCase{"FirstCountIsWhitenessZero", 1, 1, 0, 255},
                    EscapeCase{"FirstCountInGrey", 1, 1, 1, 5592405},
                    EscapeCase{"Count64IsWhite", 64, 1, 0, 16777215},
                    EscapeCase{"QuarterWhiteness", 16, 0, 0, 8355839},
                    EscapeCase{"NotEscapedIsBlack", 65, 1, 0, 0},
                    EscapeCase{"NotEscapedIsBlackWhateverTheFirstCount", 65, 65, 1, 0},
                    EscapeCase{"CountBelowTheFirstIsBlack", 0, 1, 1, 0},
                    EscapeCase{"ZeroOverZeroIsBlack", 64, 64, 1, 0},
                    EscapeCase{"DivisionByZeroIsBlack", 10, 64, 1, 0},
                    EscapeCase{"FirstCount65GivesWhite", 0, 65, 1, 16777215},
                    EscapeCase{"NoPaletteIsBlack", 30, 1, -1, 0}),
    [](const testing::TestParamInfo<EscapeCase>& info) { return std::string(info.param.name); });

} // namespace
