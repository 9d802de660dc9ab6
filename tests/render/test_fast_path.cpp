#include "render/FrameRenderer.h"

#include <gtest/gtest.h>

#include "PathNames.h"

#include <iostream>
#include <string>
#include <tuple>

namespace {

using Render::FrameRequest;
using Render::MathPath;

constexpr int Pixels = 256;
const double Exponents[] = {1.5, 2, 2.5, 3, 4.75, 10};

struct Frame
{
    std::vector<std::uint8_t> counts;
    std::vector<std::int32_t> colors;
};

Frame Render(double e, MathPath path, int threads)
{
    FrameRequest request;
    request.e = e;
    request.pixels = Pixels;
    request.path = path;
    request.threads = threads;
    Render::FrameRender render(request);
    Frame frame;
    for (int x = 0; x < Pixels; ++x) {
        EXPECT_TRUE(render.waitForColumn(x));
        frame.counts.insert(frame.counts.end(), render.columnCounts(x).begin(),
                            render.columnCounts(x).end());
        frame.colors.insert(frame.colors.end(), render.column(x).begin(), render.column(x).end());
    }
    return frame;
}

std::string ExponentName(double e)
{
    std::string name = "e";
    name += std::to_string(int(e * 1000));
    return name;
}

class FastPathIdentical : public testing::TestWithParam<std::tuple<MathPath, double>>
{
protected:
    void SetUp() override
    {
        if (!Render::IsAvailable(MathPath::FastScalar)) {
            GTEST_SKIP() << "processor lacks FMA";
        }
        if (!Render::IsAvailable(std::get<0>(GetParam()))) {
            GTEST_SKIP() << "processor lacks this vector width";
        }
    }
};

// Every width and every thread count gives the same frame, bit for bit, as
// one lane on one thread.
TEST_P(FastPathIdentical, OnEveryThreadCount)
{
    const auto& [path, e] = GetParam();
    const Frame expected = Render(e, MathPath::FastScalar, 1);
    for (int threads : {1, 2, 7}) {
        SCOPED_TRACE(threads);
        const Frame frame = Render(e, path, threads);
        EXPECT_EQ(frame.counts, expected.counts);
        EXPECT_EQ(frame.colors, expected.colors);
    }
}

INSTANTIATE_TEST_SUITE_P(Table, FastPathIdentical,
                         testing::Combine(testing::Values(MathPath::Fast, MathPath::FastScalar,
                                                          MathPath::FastAvx2, MathPath::FastAvx512,
                                                          MathPath::FastAdvSimd),
                                          testing::ValuesIn(Exponents)),
                         [](const testing::TestParamInfo<std::tuple<MathPath, double>>& info) {
                             return PathName(std::get<0>(info.param)) + "_" +
                                    ExponentName(std::get<1>(info.param));
                         });

class FastAgainstReference : public testing::TestWithParam<double>
{
};

// The vector library rounds differently from the C library in the last bit
// now and then; near the edge of the set such a bit can change a count.
TEST_P(FastAgainstReference, DiffersInAtMostOnePixelIn10000)
{
    const double e = GetParam();
    const Frame reference = Render(e, MathPath::Reference, 0);
    const Frame fast = Render(e, MathPath::Fast, 0);
    int differing = 0;
    for (std::size_t k = 0; k < reference.colors.size(); ++k) {
        differing += reference.colors[k] != fast.colors[k] ? 1 : 0;
    }
    const double perTenThousand = 10000.0 * differing / double(reference.colors.size());
    RecordProperty("differing_pixels", differing);
    RecordProperty("differing_per_10000", std::to_string(perTenThousand));
    std::cout << "e = " << e << ": " << differing << " of " << reference.colors.size()
              << " pixels differ (" << perTenThousand << " in 10000)\n";
    EXPECT_LE(perTenThousand, 1.0);
}

INSTANTIATE_TEST_SUITE_P(Table, FastAgainstReference, testing::ValuesIn(Exponents),
                         [](const testing::TestParamInfo<double>& info) {
                             return ExponentName(info.param);
                         });

} // namespace
