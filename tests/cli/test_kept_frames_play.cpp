#include "CliProcess.h"
#include "VideoProbe.h"
#include "platform/Pictures.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>
#include <functional>
#include <gtest/gtest.h>

namespace {

using Frame = std::function<void(const QString& frame)>;

// The frame file's bytes from at on replaced by value's lowest ones.
Frame Poke(qint64 at, quint32 value, int bytes)
{
    return [=](const QString& frame) {
        QFile file(frame);
        const quint32 little = qToLittleEndian(value);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite) && file.seek(at));
        file.write(reinterpret_cast<const char*>(&little), bytes);
    };
}

// One bit of the chunk's checksum flipped.
Frame SpoilChecksum(const char* chunk)
{
    return [=](const QString& frame) {
        QFile file(frame);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        QByteArray bytes = file.readAll();
        const qsizetype type = bytes.indexOf(chunk);
        bytes[type + 4 + qFromBigEndian<quint32>(bytes.constData() + type - 4)] ^= 1;
        file.seek(0);
        file.write(bytes);
    };
}

Frame SavedAs(Platform::PictureFormat format)
{
    return [=](const QString& frame) {
        Platform::SavePicture(Platform::LoadPicture(frame), frame, format);
    };
}

// A whole copy under the other name, the frame itself cut short.
Frame CopiedTo(const QString& name, Platform::PictureFormat format)
{
    return [=](const QString& frame) {
        Platform::SavePicture(Platform::LoadPicture(frame),
                              frame.left(frame.lastIndexOf('/') + 1) + name, format);
        QFile(frame).resize(20000);
    };
}

struct KeptFrameCase
{
    const char* name;
    const char* format;
    Frame make;
    bool kept;
};

class KeptFrameTest : public testing::TestWithParam<KeptFrameCase>
{
};

// What a resumed render keeps, export plays with the pixels rendered; what
// it renders again, export leaves out. Neither lets a library speak.
TEST_P(KeptFrameTest, ExportPlaysWhatResumeKeeps)
{
    const KeptFrameCase& c = GetParam();
    QTemporaryDir work;
    const QStringList film =
        RenderArguments("2", "3", 1, 104, "Rainbow", ".") + QStringList{"--format", c.format};
    ASSERT_EQ(RunCli(film, work.path()).exitCode, 0);
    const QString folder = work.filePath("eMin=2 eMax=3 Steps=1 Pixels=104 Rainbow");
    const QString frame = folder + "/PowerReels-002.000." + c.format;
    const QImage rendered = Platform::LoadPicture(frame);
    c.make(frame);

    const CliResult exported = RunCli({"export", folder, "--out", "film.gif"}, work.path());
    ASSERT_EQ(exported.exitCode, 0) << exported.err.toStdString();
    const VideoFacts video = ProbeVideo(work.filePath("film.gif"), true);
    ASSERT_EQ(video.frames, c.kept ? 2 : 1) << exported.err.toStdString();
    EXPECT_EQ(video.pictures[0] == rendered, c.kept);
    const CliResult resumed = RunCli(film + QStringList{"--resume"}, work.path());
    ASSERT_EQ(resumed.exitCode, 0) << resumed.err.toStdString();
    EXPECT_TRUE(resumed.err.contains(c.kept ? "(2 kept from before)" : "(1 kept from before)"))
        << resumed.err.toStdString();
    EXPECT_TRUE(c.kept || Platform::LoadPicture(frame) == rendered);
    EXPECT_FALSE(exported.err.contains("libpng") || resumed.err.contains("libpng"))
        << (exported.err + resumed.err).toStdString();
}

using Format = Platform::PictureFormat;
using K = KeptFrameCase;
INSTANTIATE_TEST_SUITE_P(
    Cli, KeptFrameTest,
    testing::Values(
        K{"Bitmap", "bmp", [](const QString&) {}, true},
        K{"Png", "png", [](const QString&) {}, true},
        K{"InfoHeaderSizeZero", "bmp", Poke(14, 0, 4), false},
        K{"InfoHeaderSizeHuge", "bmp", Poke(14, 0x7fffffff, 4), false},
        K{"InfoHeaderSizeOfALongerHeader", "bmp", Poke(14, 108, 4), false},
        K{"NoPlane", "bmp", Poke(26, 0, 2), false}, K{"TwoPlanes", "bmp", Poke(26, 2, 2), false},
        K{"ImageDataChecksum", "png", SpoilChecksum("IDAT"), false},
        K{"ResolutionChecksum", "png", SpoilChecksum("pHYs"), false},
        K{"BitmapUnderPngName", "png", SavedAs(Format::Bmp), false},
        K{"PngUnderBitmapName", "bmp", SavedAs(Format::Png), false},
        K{"CutShortBesideCommaCopy", "bmp", CopiedTo("PowerReels-002,000.bmp", Format::Bmp), true},
        K{"CutShortBesidePng", "bmp", CopiedTo("PowerReels-002.000.png", Format::Png), true}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
