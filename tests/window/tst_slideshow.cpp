#include "platform/Pictures.h"
#include "support/ScriptedDesktop.h"
#include "window/frmPowerReels.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using Ticks = QList<QPair<int, int>>;

// The slide show: its start, each tick and the keys, with ticks driven
// directly so that no test waits on the clock.
class SlideShowTest : public QObject
{
    Q_OBJECT

    ScriptedDesktop m_desktop;
    std::unique_ptr<QTemporaryDir> m_programFolder;
    std::unique_ptr<frmPowerReels> m_form;

    void enter(const QString& eMin, const QString& eMax, const QString& steps,
               const QString& pixels)
    {
        m_form->txteMin.setText(eMin);
        m_form->txteMax.setText(eMax);
        m_form->txtSteps.setText(steps);
        m_form->txtPixels.setText(pixels);
    }

    void startShow(const QString& steps, const QString& answer = "42")
    {
        enter("2", "3", steps, "104");
        m_desktop.inputBoxAnswers = {answer};
        m_form->cmdSlideShow_Click();
        QVERIFY(m_form->tmrSlideShow.Enabled());
    }

    // The frame each tick shows, and the interval in force after it.
    Ticks tick(int times)
    {
        Ticks seen;
        for (int i = 0; i < times; ++i) {
            const int frame = m_form->lngFrame;
            m_form->tmrSlideShow_Timer();
            seen << qMakePair(frame, m_form->tmrSlideShow.Interval());
        }
        return seen;
    }

    void press(Qt::Key key) { QTest::keyClick(m_form.get(), key); }

private slots:
    void init()
    {
        m_desktop = ScriptedDesktop();
        m_programFolder = std::make_unique<QTemporaryDir>();
        m_desktop.appPath = m_programFolder->path();
        m_form = std::make_unique<frmPowerReels>(m_desktop);
        m_form->Show();
        QApplication::setActiveWindow(m_form.get());
        QVERIFY(QTest::qWaitForWindowActive(m_form.get()));
    }
    void cleanup()
    {
        m_form.reset();
        m_programFolder.reset();
        QLocale::setDefault(QLocale::c());
    }

    void frameOrderAndHolds_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("frameTime");
        QTest::addColumn<Ticks>("ticks");
        using P = QPair<int, int>;
        QTest::newRow("three steps")
            << "3"
            << "42" << QList<P>{{0, 42},  {1, 42}, {2, 42}, {3, 420}, {2, 42}, {1, 42},
                                {0, 420}, {1, 42}, {2, 42}, {3, 420}, {2, 42}};
        QTest::newRow("one step") << "1"
                                  << "42"
                                  << QList<P>{{0, 42}, {1, 420}, {0, 420}, {1, 420}, {0, 420}};
        QTest::newRow("no hold beyond the timer's range")
            << "3"
            << "7000" << QList<P>{{0, 7000}, {1, 7000}, {2, 7000}, {3, 7000},
                                  {2, 7000}, {1, 7000}, {0, 7000}, {1, 7000}};
    }

    void frameOrderAndHolds()
    {
        QFETCH(QString, steps);
        QFETCH(QString, frameTime);
        QFETCH(Ticks, ticks);
        startShow(steps, frameTime);
        QCOMPARE(tick(int(ticks.size())), ticks);
    }

    void captionsOfAForwardPass_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("separator");
        QTest::newRow("point") << QLocale::c() << ".";
        QTest::newRow("comma") << QLocale(QLocale::German, QLocale::Germany) << ",";
    }

    void captionsOfAForwardPass()
    {
        QFETCH(QLocale, locale);
        QFETCH(QString, separator);
        QLocale::setDefault(locale);
        enter("2", "3", "4", "104");
        m_form->cmdSlideShow_Click();
        QCOMPARE(m_form->Caption(), QString("PowerReels")); // no frame before the first tick
        QStringList captions;
        for (int i = 0; i < 5; ++i) {
            m_form->tmrSlideShow_Timer();
            captions << m_form->Caption();
        }
        QStringList expected;
        for (const char* e : {"2#000", "2#250", "2#500", "2#750", "3#000"})
            expected
                << QString("PowerReels - e=%1 (SlideShow)").arg(QString(e).replace("#", separator));
        QCOMPARE(captions, expected);
    }

    void playsTheFilesOfTheRun()
    {
        enter("2", "3", "2", "104");
        m_form->cmdBegin_Click();
        const QString folder =
            m_programFolder->filePath("eMin=2 eMax=3 Steps=2 Pixels=104 Rainbow");
        const auto frame = [&](const char* e) {
            return Platform::LoadPicture(folder + "/PowerReels-" + e + ".bmp");
        };
        const QImage first = frame("002.000");
        const QImage middle = frame("002.500");
        const QImage last = frame("003.000");

        startShow("2");
        m_form->tmrSlideShow_Timer();
        QCOMPARE(m_form->Image(), first);
        m_form->tmrSlideShow_Timer();
        QCOMPARE(m_form->Image(), middle);
        m_form->tmrSlideShow_Timer();
        QCOMPARE(m_form->Image(), last);

        // A frame deleted between passes: the caption moves on, the picture stays.
        QVERIFY(QFile::remove(folder + "/PowerReels-002.500.bmp"));
        m_form->tmrSlideShow_Timer();
        QCOMPARE(m_form->Caption(), QString("PowerReels - e=2.500 (SlideShow)"));
        QCOMPARE(m_form->Image(), last);
        m_form->tmrSlideShow_Timer();
        QCOMPARE(m_form->Image(), first);
        QCOMPARE(m_desktop.msgBoxes.size(), 0);
    }

    void anotherPaletteFindsNoFilesAndStillCycles()
    {
        enter("2", "3", "2", "104");
        m_form->cmdBegin_Click();
        m_form->cboColors.setCurrentIndex(3);
        startShow("2");
        const QImage blank = m_form->Image();
        QStringList captions;
        for (int i = 0; i < 4; ++i) {
            m_form->tmrSlideShow_Timer();
            captions << m_form->Caption();
            QCOMPARE(m_form->Image(), blank);
        }
        QCOMPARE(
            captions,
            QStringList({"PowerReels - e=2.000 (SlideShow)", "PowerReels - e=2.500 (SlideShow)",
                         "PowerReels - e=3.000 (SlideShow)", "PowerReels - e=2.500 (SlideShow)"}));
        QCOMPARE(m_desktop.msgBoxes.size(), 0);
    }

    void frameTimeAnswers_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<int>("frameTime"); // 0: refused
        QTest::newRow("preset") << "42" << 42;
        QTest::newRow("1") << "1" << 1;
        QTest::newRow("65535") << "65535" << 65535;
        QTest::newRow("1.5") << "1.5" << 2;
        QTest::newRow("2.5") << "2.5" << 2;
        QTest::newRow("100 msec") << "100 msec" << 100;
        QTest::newRow("0") << "0" << 0;
        QTest::newRow("0.9") << "0.9" << 0;
        QTest::newRow("65535.5") << "65535.5" << 0;
        QTest::newRow("70000") << "70000" << 0;
        QTest::newRow("abc") << "abc" << 0;
        QTest::newRow("empty or Cancel") << "" << 0;
    }

    void frameTimeAnswers()
    {
        QFETCH(QString, answer);
        QFETCH(int, frameTime);
        enter("2", "3", "4", "200");
        m_form->lngInterval = 777;
        m_form->lngFrame = 5;
        const double left = m_form->Left();
        const double top = m_form->Top();
        m_desktop.inputBoxAnswers = {answer};
        m_form->cmdSlideShow_Click();

        QCOMPARE(m_desktop.inputBoxes.size(), 1);
        const ScriptedDesktop::InputBoxCall& box = m_desktop.inputBoxes[0];
        QCOMPARE(box.prompt, QString("How Long Do You Want Each Frame to Be Displayed (1-65535 "
                                     "msec)?\r\n\r\n[During SlideShow Press <SPACE> to "
                                     "Stop/Resume and <ENTER> to Go Back]"));
        QCOMPARE(box.title, QString("PowerReels - SlideShow!"));
        QCOMPARE(box.defaultText, QString("42"));
        QCOMPARE(box.x, left - 11 * 15);
        QCOMPARE(box.y, top + 32 * 15);
        QCOMPARE(m_desktop.msgBoxes.size(), 0);
        QCOMPARE(m_form->Caption(), QString("PowerReels"));
        if (frameTime == 0) {
            QCOMPARE(m_desktop.beeps, 1);
            QVERIFY(!m_form->tmrSlideShow.Enabled());
            QCOMPARE(m_form->lngInterval, 777);
            QCOMPARE(m_form->lngFrame, 5);
            QVERIFY(m_form->fraPowerReels.isVisible());
            QCOMPARE(m_form->ScaleWidth(), 5010.0);
        } else {
            QCOMPARE(m_desktop.beeps, 0);
            QVERIFY(m_form->tmrSlideShow.Enabled());
            QCOMPARE(m_form->lngInterval, frameTime);
            QCOMPARE(m_form->tmrSlideShow.Interval(), frameTime);
            QCOMPARE(m_form->lngFrame, 0);
            QCOMPARE(m_form->lngDirection, 1);
            QVERIFY(!m_form->fraPowerReels.isVisible());
            QCOMPARE(m_form->size(), QSize(200, 200));
        }
    }

    void refusedParametersShowOnlyTheWarning()
    {
        enter("", "3", "4", "200");
        m_form->cmdSlideShow_Click();
        QCOMPARE(m_desktop.msgBoxes.size(), 1);
        QCOMPARE(m_desktop.inputBoxes.size(), 0);
        QCOMPARE(m_desktop.beeps, 0);
        QVERIFY(!m_form->tmrSlideShow.Enabled());
    }

    void windowTopStaysBelowTheScreenTop()
    {
        // A screen too low for the picture: the top edge is held 28 pixels down.
        m_desktop.screen.Height = 620 * 15;
        enter("2", "3", "4", "600");
        m_form->cmdSlideShow_Click();
        QCOMPARE(m_form->size(), QSize(600, 600));
        QCOMPARE(m_form->Top(), 28.0 * 15);
    }

    void spacePausesAndResumesWhereItStood()
    {
        startShow("3");
        tick(2);
        press(Qt::Key_Space);
        QVERIFY(!m_form->tmrSlideShow.Enabled());
        QCOMPARE(m_form->lngFrame, 2);
        QCOMPARE(m_form->Caption(), QString("PowerReels - e=2.333 (SlideShow)"));
        press(Qt::Key_Space);
        QVERIFY(m_form->tmrSlideShow.Enabled());
        QCOMPARE(m_form->lngFrame, 2);
    }

    void spacePausesAfterTheInputBoxGaveBackTheFocus()
    {
        // Pressing SlideShow focuses its button; the real input box then
        // takes and returns the activation, which must not revive the hidden
        // button's focus: SPACE would click it instead of pausing.
        m_form->cmdSlideShow.setFocus();
        startShow("3");
        QApplication::setActiveWindow(nullptr);
        QApplication::setActiveWindow(m_form.get());
        QVERIFY(QTest::qWaitForWindowActive(m_form.get()));
        tick(1);
        // As the window system delivers it: to whatever holds the focus.
        QTest::keyClick(m_form->windowHandle(), Qt::Key_Space);
        QVERIFY(!m_form->tmrSlideShow.Enabled());
        QCOMPARE(m_desktop.inputBoxes.size(), 1);
    }

    void enterReversesFromTheNextFrame()
    {
        startShow("5");
        tick(3); // 0, 1, 2 shown; frame 3 is next
        press(Qt::Key_Return);
        QCOMPARE(tick(4), (Ticks{{3, 42}, {2, 42}, {1, 42}, {0, 420}}));
    }

    void enterTwiceChangesNothing()
    {
        startShow("5");
        tick(2);
        press(Qt::Key_Return);
        press(Qt::Key_Return);
        QCOMPARE(m_form->lngDirection, 1);
        QCOMPARE(tick(2), (Ticks{{2, 42}, {3, 42}}));
    }

    void enterWhilePausedDoesNotResume()
    {
        startShow("5");
        tick(2);
        press(Qt::Key_Space);
        press(Qt::Key_Return);
        QVERIFY(!m_form->tmrSlideShow.Enabled());
        QCOMPARE(m_form->lngDirection, -1);
    }

    void otherKeysAndKeysBeforeTheFirstTickDoNothing()
    {
        startShow("5");
        // Before the first tick the caption is still the idle one.
        press(Qt::Key_Space);
        press(Qt::Key_Return);
        QVERIFY(m_form->tmrSlideShow.Enabled());
        QCOMPARE(m_form->lngDirection, 1);
        tick(1);
        for (Qt::Key key : {Qt::Key_A, Qt::Key_5, Qt::Key_Escape, Qt::Key_Backspace})
            press(key);
        QVERIFY(m_form->tmrSlideShow.Enabled());
        QCOMPARE(m_form->lngDirection, 1);
        QCOMPARE(m_form->lngFrame, 1);
    }
};

QTEST_MAIN(SlideShowTest)
#include "tst_slideshow.moc"
