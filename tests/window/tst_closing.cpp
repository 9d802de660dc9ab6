#include "support/ScriptedDesktop.h"
#include "window/frmPowerReels.h"

#include <QTemporaryDir>
#include <QTest>

// Every way out: the close box, Exit, the session's end and SIGTERM, in
// each condition the program can be in.
class ClosingTest : public QObject
{
    Q_OBJECT

    enum Condition
    {
        Idle,
        Playing,
        Paused,
        Calculating
    };

    ScriptedDesktop m_desktop;
    QTemporaryDir m_programFolder;
    std::unique_ptr<frmPowerReels> m_form;

    void bringInto(Condition condition)
    {
        if (condition == Idle)
            return;
        if (condition == Calculating) {
            // What a close request sees of a run: its caption and no timer.
            m_form->setCaption("PowerReels - e=2.500 (Calculating)");
            return;
        }
        m_form->txteMin.setText("2");
        m_form->txteMax.setText("3");
        m_form->txtSteps.setText("4");
        m_form->txtPixels.setText("120");
        m_form->cmdSlideShow_Click();
        m_form->tmrSlideShow_Timer();
        if (condition == Paused)
            QTest::keyClick(m_form.get(), Qt::Key_Space);
    }

private slots:
    void init()
    {
        m_desktop = ScriptedDesktop();
        m_desktop.appPath = m_programFolder.path();
        m_form = std::make_unique<frmPowerReels>(m_desktop);
        m_form->Show();
        QApplication::setActiveWindow(m_form.get());
        QVERIFY(QTest::qWaitForWindowActive(m_form.get()));
    }
    void cleanup() { m_form.reset(); }

    void closeRequest_data()
    {
        QTest::addColumn<int>("condition");
        QTest::addColumn<int>("origin");
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("asked");
        QTest::addColumn<bool>("ends");
        QTest::addColumn<bool>("idleAfter");
        const int ok = Platform::MsgBoxOk;
        const int cancel = Platform::MsgBoxCancel;
        const struct
        {
            const char* name;
            Condition condition;
        } conditions[] = {
            {"idle", Idle}, {"playing", Playing}, {"paused", Paused}, {"calculating", Calculating}};
        for (const auto& c : conditions) {
            for (int origin = 0; origin <= 3; ++origin) {
                const bool outside = origin >= 2;
                const QByteArray row =
                    QByteArray(c.name) + ", origin " + QByteArray::number(origin);
                if (outside || c.condition == Idle) {
                    QTest::newRow(row)
                        << int(c.condition) << origin << ok << false << true << false;
                } else if (c.condition == Playing) {
                    QTest::newRow(row)
                        << int(c.condition) << origin << ok << false << false << true;
                } else {
                    QTest::newRow(row + ", OK")
                        << int(c.condition) << origin << ok << true << true << false;
                    QTest::newRow(row + ", Cancel")
                        << int(c.condition) << origin << cancel << true << false << false;
                }
            }
        }
    }

    void closeRequest()
    {
        QFETCH(int, condition);
        QFETCH(int, origin);
        QFETCH(int, answer);
        QFETCH(bool, asked);
        QFETCH(bool, ends);
        QFETCH(bool, idleAfter);
        bringInto(Condition(condition));
        const QString captionBefore = m_form->Caption();
        const bool timerBefore = m_form->tmrSlideShow.Enabled();
        m_desktop.msgBoxAnswers = {answer};

        m_form->RequestClose(origin);

        QCOMPARE(m_desktop.msgBoxes.size(), asked ? 1 : 0);
        if (asked) {
            QCOMPARE(m_desktop.msgBoxes[0].prompt,
                     QString("PowerReels Is Working. Do You Want to Close It?"));
            QCOMPARE(m_desktop.msgBoxes[0].title, QString("PowerReels - Exit!"));
            QCOMPARE(m_desktop.msgBoxes[0].flags, 289);
        }
        QCOMPARE(m_desktop.ends, ends ? 1 : 0);
        QCOMPARE(m_form->isVisible(), !ends);
        QVERIFY(!m_form->tmrSlideShow.Enabled() || (!ends && !idleAfter && timerBefore));
        if (idleAfter) {
            QCOMPARE(m_form->Caption(), QString("PowerReels"));
            QCOMPARE(m_form->ScaleWidth(), 5010.0);
            QCOMPARE(m_form->ScaleHeight(), 2655.0);
            QVERIFY(m_form->fraPowerReels.isVisible());
        } else if (!ends) {
            // Carries on where it was: same caption, a paused show stays paused.
            QCOMPARE(m_form->Caption(), captionBefore);
            QCOMPARE(m_form->tmrSlideShow.Enabled(), timerBefore);
            QVERIFY(!m_form->fraPowerReels.isVisible() || condition == Calculating);
        }
    }

    void secondCloseAfterAStoppedShowEnds()
    {
        bringInto(Playing);
        m_form->RequestClose(0);
        QCOMPARE(m_desktop.ends, 0);
        m_form->RequestClose(0);
        QCOMPARE(m_desktop.ends, 1);
        QCOMPARE(m_desktop.msgBoxes.size(), 0);
    }

    void exitButtonAndEscapeEndTheIdleProgram()
    {
        m_form->cmdExit_Click();
        QCOMPARE(m_desktop.ends, 1);
        QCOMPARE(m_desktop.msgBoxes.size(), 0);
    }

    void nothingRunsAfterTheEnd()
    {
        bringInto(Playing);
        m_form->RequestClose(3);
        QVERIFY(m_form->HasEnded());
        QVERIFY(!m_form->tmrSlideShow.Enabled());
        const int frame = m_form->lngFrame;
        QTest::keyClick(m_form.get(), Qt::Key_Return);
        QCOMPARE(m_form->lngFrame, frame);
        QCOMPARE(m_form->lngDirection, 1);
    }
};

QTEST_MAIN(ClosingTest)
#include "tst_closing.moc"
