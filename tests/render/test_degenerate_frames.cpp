#include "WholeFrame.h"
#include "render/FrameRenderer.h"
#include "render/Palette.h"

#include <gtest/gtest.h>

#include "PathNames.h"

#include <algorithm>
#include <string>
#include <tuple>

namespace {

using Render::FrameRequest;
using Render::MathPath;

// Exponents whose radii or powers leave the double range: near 1 the outer
// radius cannot be computed, for huge exponents r^e overflows near the
// escape modulus.
const double DegenerateExponents[] = {1.0001, 1.0005, 1.000976, 1 + 1 / 1023.5, 1024, 5000};

class DegenerateFrame : public testing::TestWithParam<std::tuple<MathPath, double>>
{
protected:
    void SetUp() override
    {
        if (!Render::IsAvailable(std::get<0>(GetParam()))) {
            GTEST_SKIP() << "processor lacks this vector width";
        }
    }

    FrameRequest request() const
    {
        FrameRequest r;
        r.path = std::get<0>(GetParam());
        r.e = std::get<1>(GetParam());
        r.pixels = 104;
        r.threads = 2;
        return r;
    }
};

TEST_P(DegenerateFrame, EndsWithValidCountsAndColors)
{
    for (int palette = -1; palette <= Render::PaletteCount; ++palette) {
        SCOPED_TRACE(palette);
        FrameRequest r = request();
        r.paletteIndex = palette;
        const std::vector<std::int32_t> colors = Render::RenderFrameColors(r);
        ASSERT_EQ(colors.size(), std::size_t(104 * 104));
        EXPECT_GE(*std::min_element(colors.begin(), colors.end()), 0);
        EXPECT_LE(*std::max_element(colors.begin(), colors.end()), 16777215);
    }
    const std::vector<std::uint8_t> counts = Render::RenderFrameCounts(request());
    EXPECT_LE(*std::max_element(counts.begin(), counts.end()), 65);
}

// The failure rule must act the same in every lane width.
TEST_P(DegenerateFrame, FastWidthsAgree)
{
    if (std::get<0>(GetParam()) == MathPath::Reference) {
        GTEST_SKIP() << "only the fast widths share their bits";
    }
    if (!Render::IsAvailable(MathPath::FastScalar)) {
        GTEST_SKIP() << "processor lacks FMA";
    }
    FrameRequest scalar = request();
    scalar.path = MathPath::FastScalar;
    EXPECT_EQ(Render::RenderFrameCounts(request()), Render::RenderFrameCounts(scalar));
}

std::string CaseName(const testing::TestParamInfo<std::tuple<MathPath, double>>& info)
{
    std::string e = std::to_string(std::get<1>(info.param));
    std::replace(e.begin(), e.end(), '.', '_');
    return PathName(std::get<0>(info.param)) + "_e" + e;
}

INSTANTIATE_TEST_SUITE_P(Table, DegenerateFrame,
                         testing::Combine(testing::Values(MathPath::Reference, MathPath::FastScalar,
                                                          MathPath::FastAvx2, MathPath::FastAvx512,
                                                          MathPath::FastAdvSimd),
                                          testing::ValuesIn(DegenerateExponents)),
                         CaseName);

} // namespace
