#include "CliProcess.h"
#include "support/ScriptedDesktop.h"
#include "window/frmPowerReels.h"

#include <QApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct FilmCase
{
    const char* name;
    const char* eMin;
    const char* eMax;
    int steps;
    int pixels;
    int paletteIndex;
};

class SameAsWindowTest : public testing::TestWithParam<FilmCase>
{
};

// The window's Calculate and the command line make the same folder with the
// same files, byte for byte.
TEST_P(SameAsWindowTest, GivesTheWindowsFilesByteForByte)
{
    const FilmCase& c = GetParam();
    QTemporaryDir windowFolder;
    QTemporaryDir cliFolder;

    ScriptedDesktop desktop;
    desktop.appPath = windowFolder.path();
    frmPowerReels form(desktop);
    form.Show();
    form.txteMin.setText(c.eMin);
    form.txteMax.setText(c.eMax);
    form.txtSteps.setText(QString::number(c.steps));
    form.txtPixels.setText(QString::number(c.pixels));
    form.cboColors.setCurrentIndex(c.paletteIndex);
    form.cmdBegin_Click();
    ASSERT_TRUE(desktop.msgBoxes.isEmpty()) << desktop.msgBoxes[0].prompt.toStdString();

    const CliResult result =
        RunCli(RenderArguments(c.eMin, c.eMax, c.steps, c.pixels,
                               form.cboColors.itemText(c.paletteIndex), cliFolder.path()),
               cliFolder.path());
    ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();

    const QMap<QString, QByteArray> windowFiles = FolderFiles(windowFolder.path());
    const QMap<QString, QByteArray> cliFiles = FolderFiles(cliFolder.path());
    ASSERT_EQ(windowFiles.size(), c.steps + 1);
    ASSERT_EQ(cliFiles.keys(), windowFiles.keys());
    for (const QString& name : windowFiles.keys())
        EXPECT_TRUE(cliFiles[name] == windowFiles[name]) << name.toStdString() << " differs";
}

INSTANTIATE_TEST_SUITE_P(Cli, SameAsWindowTest,
                         testing::Values(FilmCase{"SmallRainbowFilm", "2", "3", 4, 104, 0},
                                         // Frame 0 is drawn with e = 1.0001, and an odd size pads
                                         // the bitmap's rows.
                                         FilmCase{"FromOneWithOddPixels", "1", "1.5", 2, 105, 3},
                                         FilmCase{"FractionalBounds", "2.25", "3.125", 3, 130, 6}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
