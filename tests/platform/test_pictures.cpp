#include "platform/Files.h"
#include "platform/Pictures.h"
#include "platform/RuntimeError.h"
#include "platform/StagedFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Platform;

namespace {

QImage AllChannelValues()
{
    // Every value of every channel, in changing combinations.
    QImage image(256, 256, QImage::Format_RGB32);
    for (int y = 0; y < 256; ++y)
        for (int x = 0; x < 256; ++x)
            image.setPixel(x, y, qRgb(x, y, (x * 7 + y * 13) & 0xFF));
    return image;
}

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteAll(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

quint32 LittleEndian(const QByteArray& bytes, int at, int size)
{
    quint32 value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = value << 8 | quint8(bytes[at + i]);
    return value;
}

ErrorKind LoadError(const QString& path)
{
    try {
        LoadPicture(path);
    } catch (const RuntimeError& error) {
        return error.kind();
    }
    ADD_FAILURE() << "no error for " << path.toStdString();
    return ErrorKind::Overflow;
}

class PicturesTest : public testing::Test
{
protected:
    QTemporaryDir dir;
    QString path(const char* name) const { return dir.filePath(name); }
};

TEST_F(PicturesTest, SavedBitmapKeepsEveryColourAndIs24Bit)
{
    const QImage image = AllChannelValues();
    SavePicture(image, path("frame.bmp"));
    const QByteArray bytes = ReadAll(path("frame.bmp"));
    ASSERT_GE(bytes.size(), 54);
    EXPECT_EQ(bytes.left(2), "BM");
    EXPECT_EQ(LittleEndian(bytes, 2, 4), quint32(bytes.size()));
    EXPECT_EQ(LittleEndian(bytes, 28, 2), 24u) << "bits per pixel";
    EXPECT_EQ(LittleEndian(bytes, 30, 4), 0u) << "uncompressed";
    EXPECT_EQ(LoadPicture(path("frame.bmp")), image);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"frame.bmp"})
        << "no temporary file stays behind";
}

TEST_F(PicturesTest, SavingReplacesAFileOfTheSameName)
{
    QImage first(8, 8, QImage::Format_RGB32);
    first.fill(qRgb(255, 0, 0));
    SavePicture(first, path("frame.bmp"));
    const QImage second = AllChannelValues();
    SavePicture(second, path("frame.bmp"));
    EXPECT_EQ(LoadPicture(path("frame.bmp")), second);
}

// A link planted under a frame's name is replaced by the frame, never
// written through, whether it leads to a file or nowhere.
TEST_F(PicturesTest, SavingReplacesALinkInsteadOfWritingThroughIt)
{
    WriteAll(path("victim.txt"), "keep me");
    for (const char* target : {"victim.txt", "nowhere.txt"}) {
        ASSERT_TRUE(QFile::link(path(target), path("frame.bmp")));
        SavePicture(AllChannelValues(), path("frame.bmp"));
        EXPECT_FALSE(QFileInfo(path("frame.bmp")).isSymLink()) << target;
        EXPECT_EQ(LoadPicture(path("frame.bmp")), AllChannelValues()) << target;
        EXPECT_EQ(ReadAll(path("victim.txt")), "keep me") << target;
        EXPECT_FALSE(QFile::exists(path("nowhere.txt"))) << target;
        ASSERT_TRUE(QFile::remove(path("frame.bmp")));
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList{"victim.txt"});
}

// Only staging whose lock nobody holds goes, whoever made it: a process id
// proves nothing across machines and PID namespaces. What runs, what an
// older version left without a lock and what someone planted stay.
TEST_F(PicturesTest, AbandonedStagingIsClearedAndNothingElse)
{
    const auto staging = [&](const QString& machine, const char* lock) {
        const QString name = QString(".powerreels-staging-%1-1-a1B2c3").arg(machine);
        EXPECT_TRUE(QDir(dir.path()).mkpath(name));
        WriteAll(dir.filePath(name + "/frame.bmp"), "half a frame");
        if (*lock != 0)
            WriteAll(dir.filePath(name + "/" + lock), {});
        return name;
    };
    staging("here", ".lock");
    staging("elsewhere", ".lock-taking");
    const QString live = staging("live", ".lock");
    QFile held(dir.filePath(live + "/.lock"));
    ASSERT_TRUE(held.open(QIODevice::ReadWrite));
    ASSERT_EQ(flock(held.handle(), LOCK_EX), 0);
    const QStringList kept = {live, staging("older", "")};
    ASSERT_TRUE(QDir(dir.path()).mkpath("victim"));
    WriteAll(path("victim/precious.txt"), "keep me");
    const QString planted = ".powerreels-staging-here-1-zzzzzz";
    ASSERT_TRUE(QFile::link(path("victim"), dir.filePath(planted)));

    ClearAbandonedStaging(dir.path());

    QStringList expected = kept + QStringList{planted, "victim"};
    expected.sort();
    EXPECT_EQ(QDir(dir.path())
                  .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name),
              expected);
    EXPECT_EQ(ReadAll(path("victim/precious.txt")), "keep me");
}

TEST_F(PicturesTest, SavingIntoAMissingFolderFails)
{
    try {
        SavePicture(AllChannelValues(), path("missing/frame.bmp"));
        FAIL() << "saved into a missing folder";
    } catch (const RuntimeError& error) {
        EXPECT_EQ(error.kind(), ErrorKind::PathNotWritable);
    }
    EXPECT_FALSE(QFile::exists(path("missing")));
}

TEST_F(PicturesTest, EmptyPictureWithoutAName)
{
    EXPECT_TRUE(LoadPicture().isNull());
}

TEST_F(PicturesTest, BrokenFilesAreErrorsNotCrashes)
{
    SavePicture(AllChannelValues(), path("whole.bmp"));
    const QByteArray whole = ReadAll(path("whole.bmp"));

    WriteAll(path("empty.bmp"), {});
    WriteAll(path("truncated.bmp"), whole.left(whole.size() / 2));
    WriteAll(path("header-only.bmp"), whole.left(20));
    WriteAll(path("text.bmp"), "this is not a picture at all, only some text");
    QByteArray huge = whole.left(54);
    // 100000 x 100000 pixels declared in a tiny file.
    for (int at : {18, 22})
        for (int i = 0; i < 4; ++i)
            huge[at + i] = char((100000 >> (8 * i)) & 0xFF);
    huge[2] = 54;
    huge[3] = huge[4] = huge[5] = 0;
    WriteAll(path("huge.bmp"), huge);

    // Reading either would block for ever.
    ASSERT_EQ(mkfifo(QFile::encodeName(path("fifo.bmp")).constData(), 0600), 0);
    ASSERT_TRUE(QFile::link("/dev/stdin", path("stdin.bmp")));
    for (const char* name : {"nothing-here.bmp", "fifo.bmp", "stdin.bmp"})
        EXPECT_EQ(LoadError(path(name)), ErrorKind::FileNotFound) << name;
    for (const char* name :
         {"empty.bmp", "truncated.bmp", "header-only.bmp", "text.bmp", "huge.bmp"})
        EXPECT_EQ(LoadError(path(name)), ErrorKind::InvalidArgument) << name;
    EXPECT_EQ(LoadError(dir.path()), ErrorKind::FileNotFound) << "a folder is no picture";
}

TEST_F(PicturesTest, MkDirMakesOneFolderOnce)
{
    MkDir(path("film"));
    EXPECT_TRUE(QFileInfo(path("film")).isDir());
    EXPECT_THROW(MkDir(path("film")), RuntimeError) << "it exists already";
    EXPECT_THROW(MkDir(path("no/such/parent")), RuntimeError);
}

} // namespace
