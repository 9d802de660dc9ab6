#include "WholeFrame.h"
#include "platform/Pictures.h"
#include "render/FrameRenderer.h"
#include "support/ScriptedDesktop.h"
#include "window/frmPowerReels.h"

#include <QDir>
#include <QPaintEvent>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

QImage ExpectedFrame(double e, int pixels, int palette)
{
    Render::FrameRequest request;
    request.e = e;
    request.pixels = pixels;
    request.paletteIndex = palette;
    const std::vector<std::int32_t> colors = Render::RenderFrameColors(request);
    QImage image(pixels, pixels, QImage::Format_RGB32);
    for (int x = 0; x < pixels; ++x)
        for (int row = 0; row < pixels; ++row) {
            const std::int32_t c = colors[std::size_t(x) * pixels + row];
            image.setPixel(x, row, qRgb(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF));
        }
    return image;
}

// Collects what the window painted.
class PaintLog : public QObject
{
public:
    QRegion painted;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            painted += static_cast<QPaintEvent*>(event)->region();
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

// The Calculate button from the click to the idle window, with the film's
// files checked against the renderer.
class FilmRunTest : public QObject
{
    Q_OBJECT

    ScriptedDesktop m_desktop;
    std::unique_ptr<QTemporaryDir> m_programFolder;
    std::unique_ptr<frmPowerReels> m_form;
    QStringList m_captions;
    QList<QSize> m_clientWhileCalculating;

    void startProgram(const QString& appPath)
    {
        m_desktop.appPath = appPath;
        m_form = std::make_unique<frmPowerReels>(m_desktop);
        m_form->Show();
        connect(m_form.get(), &QWidget::windowTitleChanged, this, [this](const QString& title) {
            m_captions << title;
            if (title.endsWith("(Calculating)"))
                m_clientWhileCalculating << m_form->size();
        });
    }

    void enter(const QString& eMin, const QString& eMax, const QString& steps,
               const QString& pixels, int palette)
    {
        m_form->txteMin.setText(eMin);
        m_form->txteMax.setText(eMax);
        m_form->txtSteps.setText(steps);
        m_form->txtPixels.setText(pixels);
        m_form->cboColors.setCurrentIndex(palette);
    }

    QString folder(const QString& name) const { return m_programFolder->filePath(name); }

    QStringList files(const QString& folderName) const
    {
        return QDir(folder(folderName)).entryList(QDir::Files, QDir::Name);
    }

    void verifyIdle()
    {
        QCOMPARE(m_form->Caption(), QString("PowerReels"));
        QCOMPARE(m_form->ScaleWidth(), 5010.0);
        QCOMPARE(m_form->ScaleHeight(), 2655.0);
        QVERIFY(m_form->fraPowerReels.isVisible());
        // The last frame is gone from the window.
        const QImage image = m_form->Image();
        QCOMPARE(image.pixel(0, 0), image.pixel(image.width() - 1, image.height() - 1));
        QCOMPARE(image.pixel(0, 0), m_form->palette().color(QPalette::Window).rgb());
    }

private slots:
    void init()
    {
        m_desktop = ScriptedDesktop();
        m_programFolder = std::make_unique<QTemporaryDir>();
        m_captions.clear();
        m_clientWhileCalculating.clear();
        startProgram(m_programFolder->path());
    }
    void cleanup()
    {
        m_form.reset();
        m_programFolder.reset();
    }

    void wholeFilm()
    {
        enter("2", "3", "2", "104", 4);
        m_form->cmdBegin_Click();

        const QString name = "eMin=2 eMax=3 Steps=2 Pixels=104 Blue";
        QCOMPARE(files(name), QStringList({"PowerReels-002.000.bmp", "PowerReels-002.500.bmp",
                                           "PowerReels-003.000.bmp"}));
        for (double e : {2.0, 2.5, 3.0}) {
            const QString file =
                QString("%1/PowerReels-%2.bmp").arg(folder(name)).arg(e, 7, 'f', 3, '0');
            QCOMPARE(Platform::LoadPicture(file), ExpectedFrame(e, 104, 4));
        }
        QCOMPARE(m_captions,
                 QStringList({"PowerReels - e=2.000 (Calculating)", "PowerReels - e=2.000 (Saving)",
                              "PowerReels - e=2.500 (Calculating)", "PowerReels - e=2.500 (Saving)",
                              "PowerReels - e=3.000 (Calculating)", "PowerReels - e=3.000 (Saving)",
                              "PowerReels"}));
        QCOMPARE(m_clientWhileCalculating, QList<QSize>(3, QSize(104, 104)));
        verifyIdle();
        QCOMPARE(m_desktop.msgBoxes.size(), 0);
    }

    void minimumOneIsRenderedNextToOne()
    {
        enter("1", "1.002", "2", "104", 0);
        m_form->cmdBegin_Click();
        const QString name = "eMin=1 eMax=1.002 Steps=2 Pixels=104 Rainbow";
        QCOMPARE(files(name), QStringList({"PowerReels-001.000.bmp", "PowerReels-001.001.bmp",
                                           "PowerReels-001.002.bmp"}));
        QCOMPARE(m_captions.first(), QString("PowerReels - e=1.000 (Calculating)"));
        QCOMPARE(Platform::LoadPicture(folder(name) + "/PowerReels-001.000.bmp"),
                 ExpectedFrame(1.0001, 104, 0));
    }

    void secondRunReplacesTheFilesSilently()
    {
        enter("2", "3", "1", "104", 2);
        m_form->cmdBegin_Click();
        const QString file =
            folder("eMin=2 eMax=3 Steps=1 Pixels=104 Red") + "/PowerReels-003.000.bmp";
        QFile spoiled(file);
        QVERIFY(spoiled.open(QIODevice::WriteOnly));
        spoiled.write("spoiled");
        spoiled.close();
        m_form->cmdBegin_Click();
        QCOMPARE(Platform::LoadPicture(file), ExpectedFrame(3, 104, 2));
        QCOMPARE(m_desktop.msgBoxes.size(), 0);
    }

    void everyColumnIsShownBeforeItsFrameIsSaved()
    {
        PaintLog log;
        m_form->installEventFilter(&log);
        QList<bool> lastColumnShown;
        connect(m_form.get(), &QWidget::windowTitleChanged, this, [&](const QString& title) {
            if (title.endsWith("(Calculating)"))
                log.painted = {};
            if (title.endsWith("(Saving)"))
                lastColumnShown << log.painted.contains(QRect(103, 0, 1, 104));
        });
        enter("2", "3", "2", "104", 0);
        m_form->cmdBegin_Click();
        QCOMPARE(lastColumnShown, QList<bool>(3, true));
    }

    void refusedParametersLeaveTheWindowIdle()
    {
        enter("2", "1", "4", "104", 0);
        m_form->cmdBegin_Click();
        QCOMPARE(m_desktop.msgBoxes.size(), 1);
        QCOMPARE(m_captions, QStringList());
        QCOMPARE(QDir(m_programFolder->path()).entryList(QDir::Dirs | QDir::NoDotAndDotDot),
                 QStringList());
        verifyIdle();
    }

    void unwritableFolderDrawsEveryFrameThenWarnsOnce()
    {
        // A file where the films' folder should be: no folder, no frame can
        // be made there, whoever runs the test.
        const QString blocked = m_programFolder->filePath("not-a-folder");
        QFile file(blocked);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        m_form->strBasePath = blocked + "/";
        enter("2", "3", "2", "104", 0);
        m_form->cmdBegin_Click();

        QCOMPARE(m_captions.filter("(Calculating)").size(), 3);
        verifyIdle();
        QCOMPARE(m_desktop.msgBoxes.size(), 1);
        QCOMPARE(m_desktop.msgBoxes[0].title, QString("PowerReels - Warning!"));
        QCOMPARE(m_desktop.msgBoxes[0].flags, 48);
        QCOMPARE(m_desktop.msgBoxes[0].prompt,
                 QString("3 of the film's 3 frames could not be saved in the folder \"%1/eMin=2 "
                         "eMax=3 Steps=2 Pixels=104 Rainbow\".")
                     .arg(blocked));
    }

    void closeDuringARun_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<QStringList>("filesLeft");
        QTest::addColumn<int>("ends");
        QTest::newRow("Cancel goes on")
            << int(Platform::MsgBoxCancel)
            << QStringList(
                   {"PowerReels-002.000.bmp", "PowerReels-002.500.bmp", "PowerReels-003.000.bmp"})
            << 0;
        QTest::newRow("OK ends at once")
            << int(Platform::MsgBoxOk) << QStringList({"PowerReels-002.000.bmp"}) << 1;
    }

    void closeDuringARun()
    {
        QFETCH(int, answer);
        QFETCH(QStringList, filesLeft);
        QFETCH(int, ends);
        m_desktop.msgBoxAnswers = {answer};
        connect(m_form.get(), &QWidget::windowTitleChanged, this, [this](const QString& title) {
            if (title == "PowerReels - e=2.500 (Calculating)")
                QTimer::singleShot(0, m_form.get(), [this] { m_form->RequestClose(0); });
        });
        enter("2", "3", "2", "104", 0);
        m_form->cmdBegin_Click();

        QCOMPARE(m_desktop.msgBoxes.size(), 1);
        QCOMPARE(m_desktop.msgBoxes[0].prompt,
                 QString("PowerReels Is Working. Do You Want to Close It?"));
        QCOMPARE(m_desktop.msgBoxes[0].title, QString("PowerReels - Exit!"));
        QCOMPARE(m_desktop.msgBoxes[0].flags, 289);
        QCOMPARE(m_desktop.ends, ends);
        const QString name = "eMin=2 eMax=3 Steps=2 Pixels=104 Rainbow";
        // Only whole frames: nothing half-written, no temporary files.
        QCOMPARE(QDir(folder(name)).entryList(QDir::Files | QDir::Hidden, QDir::Name), filesLeft);
        QCOMPARE(Platform::LoadPicture(folder(name) + "/PowerReels-002.000.bmp"),
                 ExpectedFrame(2, 104, 0));
        if (ends > 0)
            QVERIFY(m_captions.last() != "PowerReels"); // nothing restored after the end
    }
};

QTEST_MAIN(FilmRunTest)
#include "tst_filmrun.moc"
