#include "export/SizeRefusal.h"
#include "export/VideoSize.h"

#include <gtest/gtest.h>

namespace {

using namespace Export;

struct SizeCase
{
    const char* name;
    VideoKind kind;
    QSize frames, asked, video; // asked: empty for none
    const char* refusal;        // empty for none, as the warning
    const char* warning;
};

class VideoSizes : public testing::TestWithParam<SizeCase>
{
};

TEST_P(VideoSizes, GiveTheSizeTheRefusalAndTheWarning)
{
    const SizeCase& c = GetParam();
    VideoTuning tuning;
    tuning.size = c.asked;
    EXPECT_EQ(VideoSizeFor(c.kind, c.frames, tuning), c.video);
    EXPECT_EQ(SizeRefusal(c.kind, c.frames).value_or(""), QString(c.refusal));
    EXPECT_EQ(SizeWarning(c.kind, c.frames).value_or(""), QString(c.warning));
}

INSTANTIATE_TEST_SUITE_P(
    Export, VideoSizes,
    testing::Values(
        SizeCase{"OddMp4GrowsToEven", VideoKind::Mp4, {105, 105}, {}, {106, 106}, "", ""},
        SizeCase{"OddGifKeepsItsSize", VideoKind::Gif, {105, 105}, {}, {105, 105}, "", ""},
        SizeCase{
            "OddSizeAskedOfAWebM", VideoKind::WebM, {512, 512}, {721, 401}, {722, 402}, "", ""},
        SizeCase{"LargestH264Level", VideoKind::Mp4, {5968, 5968}, {}, {5968, 5968}, "", ""},
        SizeCase{"BeyondTheLargestH264Level",
                 VideoKind::Mp4,
                 {5969, 5969},
                 {},
                 {5970, 5970},
                 "",
                 "A 5970 x 5970 H.264 video is above the largest H.264 level (139264 blocks of "
                 "16 x 16 pixels, about 5968 x 5968); many players will not play it."},
        SizeCase{
            "LargestEncoderPicture", VideoKind::Gif, {16254, 16254}, {}, {16254, 16254}, "", ""},
        SizeCase{"OddGifBeyondTheEvenLimit",
                 VideoKind::Gif,
                 {16255, 16255},
                 {},
                 {16255, 16255},
                 "FFmpeg's encoders take pictures of at most 16254 x 16254 pixels; this film's "
                 "16255 x 16255 frames cannot go into a video as they are: ask --size for a "
                 "smaller one.",
                 ""}),
    [](const auto& info) { return std::string(info.param.name); });

struct RateCase
{
    const char* text;
    std::optional<FrameRate> rate;
    const char* shown; // for messages
};

class FrameRates : public testing::TestWithParam<RateCase>
{
};

TEST_P(FrameRates, AreReadExactlyAndShownShort)
{
    const RateCase& c = GetParam();
    EXPECT_EQ(ReadFrameRate(c.text), c.rate);
    EXPECT_EQ(c.rate ? FrameRateText(*c.rate) : QString(), QString(c.shown));
}

INSTANTIATE_TEST_SUITE_P(Export, FrameRates,
                         testing::Values(RateCase{"24", FrameRate{24, 1}, "24"},
                                         RateCase{"30000/1001", FrameRate{30000, 1001}, "29.97"},
                                         RateCase{"50/2", FrameRate{25, 1}, "25"},
                                         RateCase{"1/3", FrameRate{1, 3}, "0.333333"},
                                         RateCase{"100.5", std::nullopt, ""},
                                         RateCase{"1/0", std::nullopt, ""}));

} // namespace
