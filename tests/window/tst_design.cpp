#include "platform/Version.h"
#include "support/ScriptedDesktop.h"
#include "window/frmPowerReels.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

// The idle window as the user first meets it: controls, focus order, keys.
class DesignTest : public QObject
{
    Q_OBJECT

private:
    ScriptedDesktop m_desktop;
    std::unique_ptr<frmPowerReels> m_form;

    void showForm()
    {
        m_form = std::make_unique<frmPowerReels>(m_desktop);
        m_form->Show();
        QApplication::setActiveWindow(m_form.get());
        QVERIFY(QTest::qWaitForWindowActive(m_form.get()));
    }

private slots:
    void init()
    {
        m_desktop = ScriptedDesktop();
        showForm();
    }
    void cleanup() { m_form.reset(); }

    void controls_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("parent");
        QTest::addColumn<QRect>("pixels");
        QTest::addColumn<QString>("caption");
        const QString frame = "fraPowerReels";
        QTest::newRow("frame") << frame << "frmPowerReels" << QRect(8, 8, 318, 161) << "v1.00";
        QTest::newRow("palette") << "cboColors" << frame << QRect(75, 125, 120, 21) << "Rainbow";
        QTest::newRow("slideshow")
            << "cmdSlideShow" << frame << QRect(219, 73, 81, 21) << "&SlideShow";
        QTest::newRow("divider") << "fraDivide" << frame << QRect(206, 11, 2, 139) << "";
        QTest::newRow("exit") << "cmdExit" << frame << QRect(219, 99, 81, 21) << "&Exit";
        QTest::newRow("calculate") << "cmdBegin" << frame << QRect(219, 47, 81, 21) << "&Calculate";
        QTest::newRow("pixels") << "txtPixels" << frame << QRect(75, 99, 120, 21) << "";
        QTest::newRow("steps") << "txtSteps" << frame << QRect(75, 73, 120, 21) << "";
        QTest::newRow("emax") << "txteMax" << frame << QRect(75, 47, 120, 21) << "";
        QTest::newRow("emin") << "txteMin" << frame << QRect(75, 21, 120, 21) << "";
        QTest::newRow("lblColors") << "lblColors" << frame << QRect(16, 128, 56, 17) << "C&olors:";
        QTest::newRow("lblPixels") << "lblPixels" << frame << QRect(16, 102, 56, 17) << "&Pixels:";
        QTest::newRow("lblSteps") << "lblSteps" << frame << QRect(16, 76, 56, 17) << "S&teps:";
        QTest::newRow("lbleMax") << "lbleMax" << frame << QRect(16, 50, 56, 17) << "Ma&ximum e:";
        QTest::newRow("lbleMin") << "lbleMin" << frame << QRect(16, 24, 56, 17) << "Mi&nimum e:";
    }

    void controls()
    {
        QFETCH(QString, name);
        QFETCH(QString, parent);
        QFETCH(QRect, pixels);
        QFETCH(QString, caption);
        auto* control = m_form->findChild<QWidget*>(name);
        QVERIFY2(control != nullptr, qPrintable(name));
        QCOMPARE(control->parentWidget()->objectName(), parent);
        QCOMPARE(control->geometry(), pixels);
        QVERIFY(control->isVisible());
        QString text;
        if (auto* button = qobject_cast<QPushButton*>(control))
            text = button->text();
        else if (auto* label = qobject_cast<QLabel*>(control))
            text = label->text();
        else if (auto* box = qobject_cast<QGroupBox*>(control))
            text = box->title();
        else if (auto* combo = qobject_cast<QComboBox*>(control))
            text = combo->currentText();
        else if (auto* edit = qobject_cast<QLineEdit*>(control))
            QCOMPARE(edit->maxLength(), 16);
        QCOMPARE(text, caption);
    }

    void idleWindow()
    {
        QCOMPARE(m_form->windowTitle(), QString("PowerReels"));
        QCOMPARE(m_form->size(), QSize(334, 177));
        QCOMPARE(m_form->ScaleWidth(), 5010.0);
        QCOMPARE(m_form->ScaleHeight(), 2655.0);
        // Centred on the screen, to the pixel.
        QVERIFY(qAbs(m_form->Left() - (m_desktop.screen.Width - m_form->Width()) / 2) <= 15);
        QVERIFY(qAbs(m_form->Top() - (m_desktop.screen.Height - m_form->Height()) / 2) <= 15);
        QCOMPARE(QApplication::focusWidget(), &m_form->txteMin);
        QVERIFY(!m_form->tmrSlideShow.Enabled());
        QCOMPARE(m_form->tmrSlideShow.Interval(), 40);
        for (auto* box :
             {&m_form->txteMin, &m_form->txteMax, &m_form->txtSteps, &m_form->txtPixels})
            QVERIFY(box->text().isEmpty());
        QCOMPARE(m_form->eMin, 0.0);
        QCOMPARE(m_form->Pixels, 0);
    }

    void paletteList()
    {
        QStringList items;
        for (int i = 0; i < m_form->cboColors.count(); ++i)
            items << m_form->cboColors.itemText(i);
        QCOMPARE(items, QStringList({"Rainbow", "Grey", "Red", "Green", "Blue", "Cyan", "Magenta",
                                     "Yellow"}));
        QVERIFY(!m_form->cboColors.isEditable());
        QCOMPARE(m_form->cboColors.currentIndex(), 0);
    }

    void tabOrder()
    {
        const QStringList expected = {"txteMax",  "txtSteps",     "txtPixels", "cboColors",
                                      "cmdBegin", "cmdSlideShow", "cmdExit",   "txteMin"};
        QStringList visited;
        for (int i = 0; i < expected.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(visited, expected);
    }

    void accessKeys_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("focus");
        QTest::newRow("ALT+N") << int(Qt::Key_N) << "txteMin";
        QTest::newRow("ALT+X") << int(Qt::Key_X) << "txteMax";
        QTest::newRow("ALT+T") << int(Qt::Key_T) << "txtSteps";
        QTest::newRow("ALT+P") << int(Qt::Key_P) << "txtPixels";
        QTest::newRow("ALT+O") << int(Qt::Key_O) << "cboColors";
    }

    void accessKeys()
    {
        QFETCH(int, key);
        QFETCH(QString, focus);
        m_form->cmdExit.setFocus();
        QTest::keyClick(m_form.get(), Qt::Key(key), Qt::AltModifier);
        QCOMPARE(QApplication::focusWidget()->objectName(), focus);
    }

    void altCClicksCalculateFromAnyControl()
    {
        for (QWidget* control :
             {static_cast<QWidget*>(&m_form->txtSteps), static_cast<QWidget*>(&m_form->cboColors),
              static_cast<QWidget*>(&m_form->cmdExit)}) {
            control->setFocus();
            const qsizetype before = m_desktop.msgBoxes.size();
            QTest::keyClick(m_form.get(), Qt::Key_C, Qt::AltModifier);
            QTRY_COMPARE(m_desktop.msgBoxes.size(), before + 1);
            QCOMPARE(m_desktop.msgBoxes.last().prompt, QString("Please, 'Minimum e' >= 1."));
            QCOMPARE(m_desktop.inputBoxes.size(), 0); // not the slide show
        }
    }

    void enterClicksSlideShowFromFieldsAndPalette()
    {
        m_form->txteMin.setText("2");
        m_form->txteMax.setText("3");
        m_form->txtSteps.setText("4");
        m_form->txtPixels.setText("120");
        m_desktop.inputBoxAnswers = {"", "", ""};
        for (QWidget* control :
             {static_cast<QWidget*>(&m_form->txteMin), static_cast<QWidget*>(&m_form->txtPixels),
              static_cast<QWidget*>(&m_form->cboColors)}) {
            control->setFocus();
            QTest::keyClick(control, Qt::Key_Return);
        }
        QCOMPARE(m_desktop.inputBoxes.size(), 3);
        QCOMPARE(m_desktop.beeps, 3);
        QCOMPARE(m_desktop.ends, 0);
    }

    void enterClicksTheFocusedButton()
    {
        m_form->cmdExit.setFocus();
        QTest::keyClick(&m_form->cmdExit, Qt::Key_Return);
        QCOMPARE(m_desktop.ends, 1);
        QCOMPARE(m_desktop.inputBoxes.size(), 0);
    }

    void escapeClicksExit()
    {
        m_form->txtSteps.setFocus();
        QTest::keyClick(&m_form->txtSteps, Qt::Key_Escape);
        QCOMPARE(m_desktop.ends, 1);
        QCOMPARE(m_desktop.msgBoxes.size(), 0);
    }

    void seventeenthCharacterRefused()
    {
        m_form->txteMin.setFocus();
        QTest::keyClicks(&m_form->txteMin, "12345678901234567");
        QCOMPARE(m_form->txteMin.text(), QString("1234567890123456"));
    }

    void formLoad_data()
    {
        QTest::addColumn<QString>("appPath");
        QTest::addColumn<float>("twipsPerPixel");
        QTest::addColumn<QString>("basePath");
        QTest::addColumn<int>("twips");
        // Folders the test may write in, so that they are kept as they are.
        const QString tmp = QDir::tempPath();
        QTest::newRow("folder") << tmp << 15.0f << tmp + "/" << 15;
        QTest::newRow("trailing separator") << tmp + "/" << 15.0f << tmp + "/" << 15;
        QTest::newRow("root") << "/" << 15.0f << "/" << 15;
        QTest::newRow("120 dpi") << tmp << 12.0f << tmp + "/" << 12;
        QTest::newRow("144 dpi, a half rounds to even") << tmp << 10.5f << tmp + "/" << 10;
    }

    void formLoad()
    {
        QFETCH(QString, appPath);
        QFETCH(float, twipsPerPixel);
        QFETCH(QString, basePath);
        QFETCH(int, twips);
        if (!QFileInfo(appPath).isWritable())
            QSKIP("the films of an unwritable program folder go elsewhere");
        m_form.reset();
        m_desktop.appPath = appPath;
        m_desktop.screen.TwipsPerPixelX = twipsPerPixel;
        m_desktop.screen.TwipsPerPixelY = twipsPerPixel;
        showForm();
        QCOMPARE(m_form->strBasePath, basePath);
        QCOMPARE(m_form->lngTwipsX, twips);
        QCOMPARE(m_form->lngTwipsY, twips);
    }

    // An installed program (bin beside share with its desktop entry) is no
    // place for films even where root may write; without a pictures folder
    // nothing is saved at all.
    void unwritableOrInstalledProgramFolderSendsFilmsToThePictures_data()
    {
        QTest::addColumn<bool>("installed");
        QTest::addColumn<bool>("picturesIsAFile");
        QTest::newRow("missing program folder") << false << false;
        QTest::newRow("installed") << true << false;
        QTest::newRow("installed, Pictures a file") << true << true;
    }

    void unwritableOrInstalledProgramFolderSendsFilmsToThePictures()
    {
        QFETCH(bool, installed);
        QFETCH(bool, picturesIsAFile);
        // The pictures folder is made in a home of the test's own, never the
        // home of whoever runs the tests.
        const QTemporaryDir home;
        const QByteArray realHome = qgetenv("HOME");
        const QByteArray realConfig = qgetenv("XDG_CONFIG_HOME");
        qputenv("HOME", QFile::encodeName(home.path()));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.filePath(".config")));
        const auto restore = qScopeGuard([&] {
            qputenv("HOME", realHome);
            if (realConfig.isNull())
                qunsetenv("XDG_CONFIG_HOME");
            else
                qputenv("XDG_CONFIG_HOME", realConfig);
        });
        QTemporaryDir prefix;
        QVERIFY(QDir(prefix.path()).mkpath("share/applications") &&
                QDir(prefix.path()).mkpath("bin"));
        QFile(prefix.filePath("share/applications/" POWERREELS_APP_ID ".desktop"))
            .open(QIODevice::WriteOnly);
        if (picturesIsAFile)
            QFile(home.filePath("Pictures")).open(QIODevice::WriteOnly);
        m_form.reset();
        m_desktop.appPath = installed ? prefix.filePath("bin") : "/no/such/program/folder";
        showForm();
        if (!picturesIsAFile) {
            QCOMPARE(m_form->strBasePath, home.filePath("Pictures/PowerReels/"));
            QVERIFY(QFileInfo(m_form->strBasePath).isDir());
            return;
        }
        m_form->txteMin.setText("2");
        m_form->txteMax.setText("3");
        m_form->txtSteps.setText("1");
        m_form->txtPixels.setText("104");
        m_form->cmdBegin_Click();
        QCOMPARE(m_desktop.msgBoxes.size(), 1);
        QVERIFY2(m_desktop.msgBoxes[0].prompt.contains("Not a directory"),
                 qPrintable(m_desktop.msgBoxes[0].prompt));
        QCOMPARE(QDir(prefix.filePath("bin")).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
                 QStringList());
    }

    void versionCaptionFollowsTheDecimalSeparator()
    {
        m_form.reset();
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        showForm();
        QLocale::setDefault(QLocale::c());
        QCOMPARE(m_form->fraPowerReels.title(), QString("v1,00"));
    }
};

QTEST_MAIN(DesignTest)
#include "tst_design.moc"
