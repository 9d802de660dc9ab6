#include "export/VideoKind.h"

#include <gtest/gtest.h>

using namespace Export;

namespace {

struct QualityCase
{
    const char* name;
    VideoKind kind;
    std::optional<int> crf;
    bool warns;
};

class QualityWarningTest : public testing::TestWithParam<QualityCase>
{
};

// Only a lossless MP4 takes a profile that browsers refuse.
TEST_P(QualityWarningTest, WarnsOfALosslessMp4Alone)
{
    const QualityCase& c = GetParam();
    const std::optional<QString> warning = QualityWarning(c.kind, c.crf);
    ASSERT_EQ(warning.has_value(), c.warns);
    if (c.warns) {
        EXPECT_FALSE(warning->contains('\n'));
        EXPECT_TRUE(warning->contains("Firefox")) << warning->toStdString();
        EXPECT_TRUE(warning->contains(".webm with --crf 0")) << warning->toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Cli, QualityWarningTest,
                         testing::Values(QualityCase{"LosslessMp4", VideoKind::Mp4, 0, true},
                                         QualityCase{"NearlyLosslessMp4", VideoKind::Mp4, 1, false},
                                         QualityCase{"UsualMp4", VideoKind::Mp4, {}, false},
                                         QualityCase{"LosslessWebM", VideoKind::WebM, 0, false}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
