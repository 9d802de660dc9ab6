#include "platform/RuntimeError.h"
#include "platform/Timer.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>

class TimerTest : public QObject
{
    Q_OBJECT

private slots:
    void intervalBeyondRangeIsRefusedAndKept_data()
    {
        QTest::addColumn<qint64>("interval");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("0") << qint64(0) << true;
        QTest::newRow("65535") << qint64(65535) << true;
        QTest::newRow("65536") << qint64(65536) << false;
        QTest::newRow("655350") << qint64(655350) << false;
        QTest::newRow("-1") << qint64(-1) << false;
    }

    void intervalBeyondRangeIsRefusedAndKept()
    {
        QFETCH(qint64, interval);
        QFETCH(bool, accepted);
        Platform::Timer timer;
        timer.setInterval(40);
        bool refused = false;
        try {
            timer.setInterval(interval);
        } catch (const Platform::RuntimeError& error) {
            refused = error.kind() == Platform::ErrorKind::InvalidPropertyValue;
        }
        QCOMPARE(refused, !accepted);
        QCOMPARE(timer.Interval(), accepted ? int(interval) : 40);
    }

    void ticksOnlyWhileEnabled()
    {
        Platform::Timer timer;
        QSignalSpy ticks(&timer, &Platform::Timer::Tick);
        timer.setInterval(5);
        QTest::qWait(40);
        QCOMPARE(ticks.count(), 0);
        timer.setEnabled(true);
        QTRY_VERIFY(ticks.count() >= 2);
        timer.setEnabled(false);
        const qsizetype seen = ticks.count();
        QTest::qWait(40);
        QCOMPARE(ticks.count(), seen);
    }

    void zeroIntervalNeverTicks()
    {
        Platform::Timer timer;
        QSignalSpy ticks(&timer, &Platform::Timer::Tick);
        timer.setInterval(0);
        timer.setEnabled(true);
        QTest::qWait(40);
        QCOMPARE(ticks.count(), 0);
    }

    void settingTheIntervalStartsANewCountdown()
    {
        Platform::Timer timer;
        QSignalSpy ticks(&timer, &Platform::Timer::Tick);
        timer.setInterval(400);
        timer.setEnabled(true);
        QTest::qWait(250);
        timer.setInterval(400); // restarts: no tick at the old deadline
        QTest::qWait(250);
        QCOMPARE(ticks.count(), 0);
        QTRY_COMPARE(ticks.count(), 1);
    }
};

QTEST_MAIN(TimerTest)
#include "tst_timer.moc"
