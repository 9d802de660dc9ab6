#include "ColumnJob.h"
#include "render/FrameRenderer.h"

#include <gtest/gtest.h>

#include "PathNames.h"

#include <string>
#include <tuple>
#include <utility>

namespace {

using Render::MathPath;

struct PixelCase
{
    const char* name;
    double e;
    double bailout;
    double rho;
    int expected;
};

// With e = 1 and c = rho on the positive real axis every step adds rho
// exactly, so after k steps the modulus is (k + 1) * rho. With rho = 1e200
// and e = 1 or 2, the square of zx (and the power for e = 2) overflows: the
// step keeps the old modulus, so the point never escapes, where an infinite
// modulus would stop it at once.
const PixelCase PixelCases[] = {
    {"StartAboveBailoutStopsAtZero", 1, 0.5, 1, 0},
    {"EqualToBailoutGoesOn", 1, 1, 1, 1},
    {"Count63", 1, 63.5, 1, 63},
    {"Count64", 1, 64, 1, 64},
    {"Count64JustBelow", 1, 64.5, 1, 64},
    {"EscapeInStep65IsNotEscaped", 1, 65.5, 1, 65},
    {"EqualAfterStep64IsNotEscaped", 1, 65, 1, 65},
    {"NeverEscapes", 1, 1e300, 1, 65},
    {"OverflowingSquareKeepsTheModulus", 1, 1e300, 1e200, 65},
    {"OverflowingPowerKeepsTheModulus", 2, 1e300, 1e200, 65},
};

const MathPath Paths[] = {MathPath::Reference, MathPath::FastScalar, MathPath::FastAvx2,
                          MathPath::FastAvx512, MathPath::FastAdvSimd};

// Runs one path's column routine on a single column of the given radii at
// angle 0, the way a frame render would.
std::vector<int> IterateColumn(MathPath path, double e, double bailout,
                               const std::vector<double>& rho)
{
    const Render::PathFunctions functions = Render::FunctionsFor(path);
    double theta = 0;
    double sine = 0;
    double cosine = 0;
    functions.sinCos(theta, sine, cosine);
    std::vector<std::uint8_t> counts(rho.size(), 99);
    struct Progress
    {
        bool claimed = false;
        int finished = 0;
    } progress;

    Render::ColumnJob job;
    job.e = e;
    job.bailout = bailout;
    job.pixels = int(rho.size());
    job.rho = rho.data();
    job.theta = &theta;
    job.cosTheta = &cosine;
    job.sinTheta = &sine;
    job.counts = counts.data();
    job.claimColumn = [](void* context) {
        Progress& p = *static_cast<Progress*>(context);
        const bool wasClaimed = std::exchange(p.claimed, true);
        return wasClaimed ? -1 : 0;
    };
    job.finishColumn = [](void* context, int x) {
        EXPECT_EQ(x, 0);
        ++static_cast<Progress*>(context)->finished;
    };
    job.context = &progress;
    functions.iterate(job);
    EXPECT_EQ(progress.finished, 1);
    return {counts.begin(), counts.end()};
}

class ColumnIteration : public testing::TestWithParam<std::tuple<MathPath, PixelCase>>
{
protected:
    void SetUp() override
    {
        if (!Render::IsAvailable(std::get<0>(GetParam()))) {
            GTEST_SKIP() << "processor lacks this vector width";
        }
    }
};

TEST_P(ColumnIteration, StopsWithTheExpectedCount)
{
    const auto& [path, c] = GetParam();
    EXPECT_EQ(IterateColumn(path, c.e, c.bailout, {c.rho}), std::vector<int>{c.expected});
}

std::string CaseName(const testing::TestParamInfo<std::tuple<MathPath, PixelCase>>& info)
{
    return PathName(std::get<0>(info.param)) + "_" + std::get<1>(info.param).name;
}

INSTANTIATE_TEST_SUITE_P(Table, ColumnIteration,
                         testing::Combine(testing::ValuesIn(Paths), testing::ValuesIn(PixelCases)),
                         CaseName);

class LongColumn : public testing::TestWithParam<MathPath>
{
protected:
    void SetUp() override
    {
        if (!Render::IsAvailable(GetParam())) {
            GTEST_SKIP() << "processor lacks this vector width";
        }
    }
};

// Many pixels of different lengths in one column: each lane's count must land
// on its own pixel however the lanes are refilled.
TEST_P(LongColumn, EveryPixelGetsItsOwnCount)
{
    const MathPath path = GetParam();
    std::vector<double> rho;
    std::vector<int> expected;
    for (int k = 0; k < 100; ++k) {
        const int steps = (k * 37) % 66;
        // (steps + 1) * rho is the first modulus above 64.5 when rho lies in
        // (64.5 / (steps + 1), 64.5 / steps]; the middle of the range is safe.
        rho.push_back(steps == 0 ? 100.0 : 64.5 * (2 * steps + 1) / (2.0 * steps * (steps + 1)));
        expected.push_back(steps == 65 ? 65 : steps);
    }
    EXPECT_EQ(IterateColumn(path, 1, 64.5, rho), expected);
}

INSTANTIATE_TEST_SUITE_P(Paths, LongColumn, testing::ValuesIn(Paths),
                         [](const testing::TestParamInfo<MathPath>& info) {
                             return PathName(info.param);
                         });

} // namespace
