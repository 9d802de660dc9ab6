#include "render/Palette.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using Render::GetColor;

constexpr std::int32_t White = 16777215;

struct ColorCase
{
    const char* name;
    double hue;
    double whiteness;
    int palette;
    std::int32_t expected;
};

class PaletteColor : public testing::TestWithParam<ColorCase>
{
};

TEST_P(PaletteColor, GivesTheColorOfTheTable)
{
    const ColorCase& c = GetParam();
    double whiteness = c.whiteness;
    EXPECT_EQ(GetColor(c.hue, whiteness, c.palette), c.expected);
}

// Expected values worked out by hand from the palette tables.
INSTANTIATE_TEST_SUITE_P(
    Table, PaletteColor,
    testing::Values(
        ColorCase{"RainbowHue2IsRed", 2, 0, 0, 255},
        ColorCase{"RainbowHue3IsGreen", 3, 0, 0, 65280},
        ColorCase{"RainbowHue4IsBlue", 4, 0, 0, 16711680},
        ColorCase{"RainbowHue1_5IsMagenta", 1.5, 0, 0, 8323199},
        ColorCase{"RainbowHue0_5IsCyan", 0.5, 0, 0, 8355584},
        ColorCase{"RainbowHue2_5Whiteness0_25", 2.5, 0.25, 0, 8372159},
        ColorCase{"RainbowHueMinus1IsRed", -1, 0, 0, 255},
        ColorCase{"RainbowHue1IsBlueFromTheMiddlePiece", 1, 0, 0, 16711680},
        ColorCase{"GreyAtZero", 2, 0, 1, 5592405},
        ColorCase{"GreyJustBelowWhiteRoundsDown", 2, 0.998001, 1, 16711422},
        ColorCase{"RedAtZero", 2, 0, 2, 255}, ColorCase{"RedWhiteness0_25", 2, 0.25, 2, 8355839},
        ColorCase{"GreenWhiteness0_36", 2, 0.36, 3, 10092441},
        ColorCase{"BlueAtZero", 2, 0, 4, 16711680}, ColorCase{"CyanAtZero", 2, 0, 5, 8355584},
        ColorCase{"MagentaAtZero", 2, 0, 6, 8323199}, ColorCase{"YellowAtZero", 2, 0, 7, 32639},
        ColorCase{"NoSelectionIsBlack", 2, 0, -1, 0},
        ColorCase{"NoSelectionIsBlackAtWhite", 2, 1, -1, 0},
        ColorCase{"IndexPastTheListIsBlack", 2, 0.5, 8, 0}),
    [](const testing::TestParamInfo<ColorCase>& info) { return std::string(info.param.name); });

struct PaletteHue
{
    int palette;
    double hue;
};

std::string PaletteHueName(const testing::TestParamInfo<PaletteHue>& info)
{
    return "Palette" + std::to_string(info.param.palette) + "Hue" +
           std::to_string(int(info.param.hue * 100));
}

class EveryPalette : public testing::TestWithParam<PaletteHue>
{
};

TEST_P(EveryPalette, WhitenessOneIsWhite)
{
    double whiteness = 1;
    EXPECT_EQ(GetColor(GetParam().hue, whiteness, GetParam().palette), White);
}

// Only degenerate frames pass a whiteness above 1; no channel may carry into
// its neighbour, so every channel ends at full intensity.
TEST_P(EveryPalette, WhitenessAboveOneStaysWhite)
{
    for (double whiteness : {1.0000001, 1.44, 4.0, 65.0, 1e6}) {
        SCOPED_TRACE(whiteness);
        EXPECT_EQ(GetColor(GetParam().hue, whiteness, GetParam().palette), White);
    }
}

TEST_P(EveryPalette, HueMinusOneGivesTheColorsOfHueTwo)
{
    for (double whiteness : {0.0, 0.04, 0.3, 0.81}) {
        SCOPED_TRACE(whiteness);
        double first = whiteness;
        double second = whiteness;
        EXPECT_EQ(GetColor(GetParam().hue - 3, first, GetParam().palette),
                  GetColor(GetParam().hue, second, GetParam().palette));
    }
}

std::vector<PaletteHue> PalettesAndHues()
{
    std::vector<PaletteHue> cases;
    for (int palette = 0; palette < Render::PaletteCount; ++palette) {
        for (double hue : {0.0, 0.5, 1.0, 1.5, 2.0, 2.7, 4.75}) {
            cases.push_back({palette, hue});
        }
    }
    return cases;
}

INSTANTIATE_TEST_SUITE_P(Table, EveryPalette, testing::ValuesIn(PalettesAndHues()), PaletteHueName);

TEST(GetColor, ColoursByTheSquareRootOfTheWhiteness)
{
    EXPECT_EQ(GetColor(2.5, 0.25, 0), Render::PackColor(191, 191, 127));
    EXPECT_EQ(GetColor(2, 0.36, 2), Render::PackColor(255, 153, 153));
}

} // namespace
