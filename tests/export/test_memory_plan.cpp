#include "export/MemoryPlan.h"

#include <gtest/gtest.h>

namespace {

using namespace Export;

constexpr qint64 Gigabyte = 1 << 30;

struct PlanCase
{
    const char* name;
    VideoKind kind;
    QSize frames, video;
    int cores;
    qint64 available;
    bool fits;
    EncoderSettings encoder;
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
    const MemoryPlan plan = PlanMemory(c.kind, c.frames, c.video, c.cores, c.available);
    EXPECT_EQ(plan.fits(), c.fits);
    EXPECT_EQ(plan.budget, std::min(std::max(Gigabyte, plan.leanest), c.available));
    if (!c.fits)
        return;
    // How far it looks ahead follows the measures; whether it is told.
    EncoderSettings settings = plan.encoder;
    settings.lookahead = std::min(settings.lookahead, 0);
    EXPECT_EQ(settings, c.encoder);
    EXPECT_LE(plan.bytes, plan.budget);
}

INSTANTIATE_TEST_SUITE_P(Export, MemoryPlans,
                         testing::Values(PlanCase{"SmallMp4AsUsual",
                                                  VideoKind::Mp4,
                                                  {512, 512},
                                                  {512, 512},
                                                  2,
                                                  8 * Gigabyte,
                                                  true,
                                                  {0, false, -1, 3}},
                                         PlanCase{"LargeMp4SharesPictures",
                                                  VideoKind::Mp4,
                                                  {104, 104},
                                                  {4096, 4096},
                                                  2,
                                                  8 * Gigabyte,
                                                  true,
                                                  {2, true, 0, 3}},
                                         PlanCase{"ManyCoresShareTheirPictures",
                                                  VideoKind::Mp4,
                                                  {2048, 2048},
                                                  {2048, 2048},
                                                  16,
                                                  8 * Gigabyte,
                                                  true,
                                                  {16, true, 0, 24}},
                                         PlanCase{"LeanestMp4AboveAGigabyte",
                                                  VideoKind::Mp4,
                                                  {104, 104},
                                                  {8192, 8192},
                                                  2,
                                                  8 * Gigabyte,
                                                  true,
                                                  {1, false, 0, 3}},
                                         PlanCase{"WebMLooksLessFarAhead",
                                                  VideoKind::WebM,
                                                  {104, 104},
                                                  {4096, 4096},
                                                  2,
                                                  8 * Gigabyte,
                                                  true,
                                                  {0, false, 0, 1}},
                                         PlanCase{"GifAsUsual",
                                                  VideoKind::Gif,
                                                  {104, 104},
                                                  {4096, 4096},
                                                  2,
                                                  8 * Gigabyte,
                                                  true,
                                                  {0, false, -1, 1}},
                                         PlanCase{"LargestMp4InLittleMemory",
                                                  VideoKind::Mp4,
                                                  {16384, 16384},
                                                  {16254, 16254},
                                                  2,
                                                  4 * Gigabyte,
                                                  false,
                                                  {}}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
