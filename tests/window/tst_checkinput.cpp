#include "support/ScriptedDesktop.h"
#include "window/frmPowerReels.h"

#include <QTest>

// The parameter check: which values pass, what the user is told, where the
// focus goes and which variables were written.
class CheckInputTest : public QObject
{
    Q_OBJECT

    static constexpr double Untouched = -7;

private slots:
    void check_data()
    {
        QTest::addColumn<QStringList>("texts"); // Minimum e, Maximum e, Steps, Pixels
        QTest::addColumn<bool>("result");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("focus");
        QTest::addColumn<QList<double>>("values"); // eMin, eMax, Steps, Pixels afterwards
        const double u = Untouched;
        const QString minE = "Please, 'Minimum e' >= 1.";
        const QString maxE = "Please, 'Maximum e' > 'Minimum e'.";
        const QString steps0 = "Please, 'Steps' > 0.";
        const QString pixMin = "Please, 'Pixels' >= 104.";
        const QString redo = "Redo From Start.";

        QTest::newRow("empty minimum") << QStringList{"", "3", "4", "200"} << false << minE
                                       << "txteMin" << QList<double>{0, u, u, u};
        QTest::newRow("non-numeric minimum") << QStringList{"abc", "3", "4", "200"} << false << minE
                                             << "txteMin" << QList<double>{0, u, u, u};
        QTest::newRow("minimum just below 1") << QStringList{"0.999", "3", "4", "200"} << false
                                              << minE << "txteMin" << QList<double>{0.999, u, u, u};
        QTest::newRow("maximum equal to minimum") << QStringList{"1", "1", "4", "200"} << false
                                                  << maxE << "txteMax" << QList<double>{1, 1, u, u};
        QTest::newRow("a comma ends the number") << QStringList{"2,5", "2,9", "4", "200"} << false
                                                 << maxE << "txteMax" << QList<double>{2, 2, u, u};
        QTest::newRow("steps 0.5 rounds to 0") << QStringList{"1", "2", "0.5", "200"} << false
                                               << steps0 << "txtSteps" << QList<double>{1, 2, 0, u};
        QTest::newRow("steps -3") << QStringList{"1", "2", "-3", "200"} << false << steps0
                                  << "txtSteps" << QList<double>{1, 2, -3, u};
        QTest::newRow("steps 1.5 rounds to 2") << QStringList{"1", "2", "1.5", "200"} << true << ""
                                               << "cmdSlideShow" << QList<double>{1, 2, 2, 200};
        QTest::newRow("steps 2.5 rounds to 2") << QStringList{"1", "2", "2.5", "200"} << true << ""
                                               << "cmdSlideShow" << QList<double>{1, 2, 2, 200};
        QTest::newRow("steps at the limit") << QStringList{"1", "2", "1000", "104"} << true << ""
                                            << "cmdSlideShow" << QList<double>{1, 2, 1000, 104};
        QTest::newRow("steps beyond the limit")
            << QStringList{"1", "2", "1001", "104"} << false << "Please, 'Steps' <= 1000."
            << "txtSteps" << QList<double>{1, 2, 1001, u};
        QTest::newRow("no steps fit")
            << QStringList{"1", "1.0005", "1", "104"} << false << "Please, 'Steps' <= 0."
            << "txtSteps" << QList<double>{1, 1.0005, 1, u};
        QTest::newRow("frames sharing a name")
            << QStringList{"1.0005", "1.0025", "2", "104"} << false
            << "Please, fewer 'Steps': two frames would share one file name."
            << "txtSteps" << QList<double>{1.0005, 1.0025, 2, 104};
        QTest::newRow("pixels 103.4") << QStringList{"2", "3", "4", "103.4"} << false << pixMin
                                      << "txtPixels" << QList<double>{2, 3, 4, 103};
        QTest::newRow("pixels 103.5 rounds to 104")
            << QStringList{"2", "3", "4", "103.5"} << true << ""
            << "cmdSlideShow" << QList<double>{2, 3, 4, 104};
        QTest::newRow("pixels 104.5 rounds to 104")
            << QStringList{"2", "3", "4", "104.5"} << true << ""
            << "cmdSlideShow" << QList<double>{2, 3, 4, 104};
        QTest::newRow("pixels filling the screen")
            << QStringList{"2", "3", "4", "1055"} << true << ""
            << "cmdSlideShow" << QList<double>{2, 3, 4, 1055};
        QTest::newRow("pixels beyond the screen")
            << QStringList{"2", "3", "4", "1056"} << false << "Please, 'Pixels' <= 1055."
            << "txtPixels" << QList<double>{2, 3, 4, 1056};
        QTest::newRow("steps beyond 32 bits")
            << QStringList{"2", "3", "99999999999", "200"} << false << redo << "cmdSlideShow"
            << QList<double>{2, 3, u, u};
        QTest::newRow("step limit overflows")
            << QStringList{"1", "1E306", "4", "200"} << false << redo << "cmdSlideShow"
            << QList<double>{1, 1e306, 4, u};
        QTest::newRow("minimum beyond a double")
            << QStringList{"1e400", "3", "4", "200"} << false << redo << "cmdSlideShow"
            << QList<double>{u, u, u, u};
    }

    void check()
    {
        QFETCH(QStringList, texts);
        QFETCH(bool, result);
        QFETCH(QString, message);
        QFETCH(QString, focus);
        QFETCH(QList<double>, values);

        ScriptedDesktop desktop;
        frmPowerReels form(desktop);
        form.Show();
        QApplication::setActiveWindow(&form);
        QVERIFY(QTest::qWaitForWindowActive(&form));
        // A screen that leaves exactly 1055 rows below the title bar.
        desktop.screen.Height = form.Height() - form.ScaleHeight() + 1055 * 15;
        form.txteMin.setText(texts[0]);
        form.txteMax.setText(texts[1]);
        form.txtSteps.setText(texts[2]);
        form.txtPixels.setText(texts[3]);
        form.eMin = form.eMax = Untouched;
        form.Steps = form.Pixels = std::int32_t(Untouched);
        QString focusWhileOpen;
        desktop.whileMsgBoxOpen = [&](const ScriptedDesktop::MsgBoxCall&) {
            focusWhileOpen = QApplication::focusWidget()->objectName();
        };

        QCOMPARE(form.CheckInput(), result);

        if (message.isEmpty()) {
            QCOMPARE(desktop.msgBoxes.size(), 0);
        } else {
            QCOMPARE(desktop.msgBoxes.size(), 1);
            QCOMPARE(desktop.msgBoxes[0].prompt, message);
            QCOMPARE(desktop.msgBoxes[0].title, QString("PowerReels - Warning!"));
            QCOMPARE(desktop.msgBoxes[0].flags, 48);
            // The focus moves only after the box is closed.
            QCOMPARE(focusWhileOpen, QString("cmdSlideShow"));
        }
        QWidget* focused = QApplication::focusWidget();
        QCOMPARE(focused->objectName(), focus);
        if (auto* box = qobject_cast<QLineEdit*>(focused))
            QCOMPARE(box->selectedText(), box->text());
        QCOMPARE(QList<double>({form.eMin, form.eMax, double(form.Steps), double(form.Pixels)}),
                 values);
        QCOMPARE(form.txteMin.text(), texts[0]); // the texts are only read
    }

    void tabSelectsTheWholeText()
    {
        ScriptedDesktop desktop;
        frmPowerReels form(desktop);
        form.Show();
        QApplication::setActiveWindow(&form);
        QVERIFY(QTest::qWaitForWindowActive(&form));
        form.txteMax.setText("2.75");
        form.txteMax.setCursorPosition(1);
        QTest::keyClick(&form.txteMin, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), &form.txteMax);
        QCOMPARE(form.txteMax.selectedText(), QString("2.75"));
        QTest::keyClicks(&form.txteMax, "9");
        QCOMPARE(form.txteMax.text(), QString("9"));
    }
};

QTEST_MAIN(CheckInputTest)
#include "tst_checkinput.moc"
