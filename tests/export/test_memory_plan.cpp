#include "export/MemoryPlan.h"

#include <gtest/gtest.h>

namespace {

using namespace Export;

constexpr qint64 Gigabyte = 1 << 30;

struct PlanCase
{
    const char* name;
    VideoKind kind;
    int frame, side, cores, gigabytes; // square frames and video
    bool fits;
    EncoderSettings encoder; // its look-ahead 0 for any that is told
};

class MemoryPlans : public testing::TestWithParam<PlanCase>
{
};

// The encoder keeps its own settings where they fit a gigabyte (or what
// the leanest need), shares pictures between threads and looks less far
// ahead where not, and nothing fits in less than the leanest need.
TEST_P(MemoryPlans, KeepWithinTheBudget)
{
    const PlanCase& c = GetParam();
    const qint64 available = c.gigabytes * Gigabyte;
    const MemoryPlan plan =
        PlanMemory(c.kind, QSize(c.frame, c.frame), QSize(c.side, c.side), c.cores, available);
    EXPECT_EQ(plan.fits(), c.fits);
    EXPECT_EQ(plan.budget, std::min(std::max(Gigabyte, plan.leanest), available));
    EncoderSettings settings = plan.encoder;
    settings.lookahead = std::min(settings.lookahead, 0);
    if (c.fits)
        EXPECT_TRUE(settings == c.encoder && plan.bytes <= plan.budget);
}

INSTANTIATE_TEST_SUITE_P(
    Export, MemoryPlans,
    testing::Values(
        PlanCase{"SmallMp4AsUsual", VideoKind::Mp4, 512, 512, 2, 8, true, {0, false, -1, 3}},
        PlanCase{"LargeMp4SharesPictures", VideoKind::Mp4, 104, 4096, 2, 8, true, {2, true, 0, 3}},
        PlanCase{"ManyCoresShare", VideoKind::Mp4, 2048, 2048, 16, 8, true, {16, true, 0, 24}},
        PlanCase{
            "LeanestMp4AboveAGigabyte", VideoKind::Mp4, 104, 8192, 2, 8, true, {1, false, 0, 3}},
        PlanCase{"WebMLooksLessFarAhead", VideoKind::WebM, 104, 4096, 2, 8, true, {0, false, 0, 1}},
        PlanCase{"GifAsUsual", VideoKind::Gif, 104, 4096, 2, 8, true, {0, false, -1, 1}},
        PlanCase{"LargestMp4InLittleMemory", VideoKind::Mp4, 16384, 16254, 2, 4, false, {}}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
