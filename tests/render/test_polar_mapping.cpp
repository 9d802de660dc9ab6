#include "PolarMapping.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using Render::MapPixels;

class PolarMappingEdges : public testing::TestWithParam<double>
{
};

// No half-pixel offsets: the outer rows and columns lie on the frame's radii
// and angles.
TEST_P(PolarMappingEdges, EdgesLieOnTheFrameValues)
{
    const Render::FrameValues values = Render::ComputeFrameValues(GetParam());
    const int pixels = 104;
    const Render::PolarMapping mapping = MapPixels(values, pixels, Render::SinCosLibrary);
    ASSERT_EQ(mapping.rho.size(), std::size_t(pixels));
    ASSERT_EQ(mapping.theta.size(), std::size_t(pixels));
    EXPECT_DOUBLE_EQ(mapping.rho.front(), values.rhoMax);
    EXPECT_EQ(mapping.rho.back(), values.rhoMin);
    EXPECT_EQ(mapping.theta.front(), 0);
    EXPECT_DOUBLE_EQ(mapping.theta.back(), values.thetaMax);
    for (int k = 1; k < pixels; ++k) {
        EXPECT_LT(mapping.rho[k], mapping.rho[k - 1]) << "row " << k;
        EXPECT_GT(mapping.theta[k], mapping.theta[k - 1]) << "column " << k;
    }
}

INSTANTIATE_TEST_SUITE_P(Exponents, PolarMappingEdges, testing::Values(1.5, 2.0, 2.5, 3.0, 10.0));

TEST(PolarMapping, GivesEachColumnTheSineAndCosineOfItsAngle)
{
    const Render::FrameValues values = Render::ComputeFrameValues(3);
    const Render::PolarMapping mapping = MapPixels(values, 104, Render::SinCosLibrary);
    for (std::size_t x = 0; x < mapping.theta.size(); ++x) {
        EXPECT_EQ(mapping.cosTheta[x], std::cos(mapping.theta[x]));
        EXPECT_EQ(mapping.sinTheta[x], std::sin(mapping.theta[x]));
    }
}

// Dividing by Pixels - 1 = 0 fails; the values keep their start, 0.
TEST(PolarMapping, OnePixelFrameKeepsZeroInsteadOfNaN)
{
    const Render::PolarMapping mapping =
        MapPixels(Render::ComputeFrameValues(2), 1, Render::SinCosLibrary);
    ASSERT_EQ(mapping.rho.size(), 1u);
    EXPECT_EQ(mapping.rho[0], 0);
    EXPECT_EQ(mapping.theta[0], 0);
}

} // namespace
