#include "render/FrameValues.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

using Render::ComputeFrameValues;
using Render::Pi;

constexpr double TwoPi = 2 * Pi;

struct WorkedValues
{
    const char* name;
    double e;
    double thetaMax;
    double rhoMin;
    double rhoMax;
    double bailout;
};

class FrameValuesWorked : public testing::TestWithParam<WorkedValues>
{
};

// The printed values carry six decimals at most.
TEST_P(FrameValuesWorked, MatchThePrintedDigits)
{
    const WorkedValues& w = GetParam();
    const Render::FrameValues values = ComputeFrameValues(w.e);
    EXPECT_NEAR(values.thetaMax, w.thetaMax, 1e-6);
    EXPECT_NEAR(values.rhoMin, w.rhoMin, 1e-6);
    EXPECT_NEAR(values.rhoMax, w.rhoMax, 1e-6);
    EXPECT_NEAR(values.bailout, w.bailout, 1e-6);
}

TEST_P(FrameValuesWorked, BailoutIsTwiceTheOuterRadius)
{
    const Render::FrameValues values = ComputeFrameValues(GetParam().e);
    EXPECT_NEAR(values.bailout, 2 * values.rhoMax, 1e-12);
}

INSTANTIATE_TEST_SUITE_P(
    Table, FrameValuesWorked,
    testing::Values(WorkedValues{"e1_5", 1.5, TwoPi, 0.148148, 4, 8},
                    WorkedValues{"e2", 2, TwoPi, 0.25, 2, 4},
                    WorkedValues{"e2_5", 2.5, 4.18879, 0.325730, 1.587401, 3.174802},
                    WorkedValues{"e3", 3, Pi, 0.384900, 1.414214, 2.828427},
                    WorkedValues{"e10", 10, 0.698132, 0.696837, 1.080060, 2.160119}),
    [](const testing::TestParamInfo<WorkedValues>& info) { return std::string(info.param.name); });

TEST(FrameValues, SpanIsTheFullTurnUpToExponentTwo)
{
    for (double e : {1.0001, 1.01, 1.5, 1.999, 2.0}) {
        SCOPED_TRACE(e);
        EXPECT_EQ(ComputeFrameValues(e).thetaMax, 2 * 3.14159265358979);
    }
    EXPECT_LT(ComputeFrameValues(2.001).thetaMax, TwoPi);
}

struct Degenerate
{
    const char* name;
    double e;
    bool outerRadiusFinite;
};

class FrameValuesNearOne : public testing::TestWithParam<Degenerate>
{
};

// Within about 1/1022 of 1 the outer radius or its power leaves the double
// range; such a value stays 0 and the frame degenerates.
TEST_P(FrameValuesNearOne, ValueOutOfRangeStaysZero)
{
    const Render::FrameValues values = ComputeFrameValues(GetParam().e);
    EXPECT_EQ(values.thetaMax, TwoPi);
    EXPECT_GT(values.rhoMin, 0);
    EXPECT_TRUE(std::isfinite(values.rhoMin));
    if (GetParam().outerRadiusFinite) {
        EXPECT_GT(values.rhoMax, 1e307);
        EXPECT_TRUE(std::isfinite(values.rhoMax));
    } else {
        EXPECT_EQ(values.rhoMax, 0);
    }
    EXPECT_EQ(values.bailout, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Table, FrameValuesNearOne,
    testing::Values(Degenerate{"e1_0001", 1.0001, false}, Degenerate{"e1_0005", 1.0005, false},
                    Degenerate{"e1_000976", 1.000976, false},
                    Degenerate{"OuterRadiusFitsItsPowerDoesNot", 1 + 1 / 1023.5, true}),
    [](const testing::TestParamInfo<Degenerate>& info) { return std::string(info.param.name); });

TEST(FrameValues, HugeExponentsStayFinite)
{
    for (double e : {1024.0, 5000.0}) {
        SCOPED_TRACE(e);
        const Render::FrameValues values = ComputeFrameValues(e);
        EXPECT_NEAR(values.rhoMax, 1, 1e-3);
        EXPECT_NEAR(values.bailout, 2, 3e-3);
        EXPECT_GT(values.rhoMin, 0);
        EXPECT_LT(values.rhoMin, values.rhoMax);
    }
}

} // namespace
