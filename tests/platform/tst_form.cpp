#include "platform/Form.h"
#include "support/ScriptedDesktop.h"

#include <QLineEdit>
#include <QTest>

namespace {

class TestForm : public Platform::Form
{
public:
    using Form::Form;
    QList<int> keys;
    QList<int> origins;
    int cancel = 0;

protected:
    void Form_QueryUnload(int& Cancel, int UnloadMode) override
    {
        origins << UnloadMode;
        Cancel = cancel;
    }
    void Form_KeyPress(int& KeyAscii) override { keys << KeyAscii; }
};

} // namespace

// The form's twips, its persistent image and its close requests.
class FormTest : public QObject
{
    Q_OBJECT

    ScriptedDesktop m_desktop;

private slots:
    void init() { m_desktop = ScriptedDesktop(); }

    void geometryInTwips_data()
    {
        QTest::addColumn<float>("twipsPerPixel");
        QTest::newRow("96 dpi") << 15.0f;
        QTest::newRow("120 dpi") << 12.0f;
    }

    void geometryInTwips()
    {
        QFETCH(float, twipsPerPixel);
        m_desktop.screen.TwipsPerPixelX = m_desktop.screen.TwipsPerPixelY = twipsPerPixel;
        TestForm form(m_desktop);
        form.Show();
        const double borderX = form.Width() - form.ScaleWidth();
        const double borderY = form.Height() - form.ScaleHeight();
        QVERIFY(borderX > 0);
        QVERIFY(borderY > 0);
        // Setting the outer size keeps the border and sizes the client area.
        form.setWidth(borderX + 200 * twipsPerPixel);
        form.setHeight(borderY + 150 * twipsPerPixel);
        QCOMPARE(form.size(), QSize(200, 150));
        QCOMPARE(form.ScaleWidth(), 200.0 * twipsPerPixel);
        QCOMPARE(form.Width() - form.ScaleWidth(), borderX);
        form.setLeft(30 * twipsPerPixel);
        form.setTop(40 * twipsPerPixel);
        QCOMPARE(form.pos(), QPoint(30, 40));
        QCOMPARE(form.Left(), 30.0 * twipsPerPixel);
        QCOMPARE(form.Top(), 40.0 * twipsPerPixel);
    }

    void drawingPersistsUntilAPictureReplacesIt()
    {
        TestForm form(m_desktop);
        form.Show();
        form.setWidth(form.Width() - form.ScaleWidth() + 120 * 15);
        form.setHeight(form.Height() - form.ScaleHeight() + 110 * 15);
        // red + 256 * green + 65536 * blue
        form.PutColumn(3, std::vector<std::int32_t>{0, 0, 0, 0, 255 + 256 * 128 + 65536 * 7});
        form.PutColumn(5, std::vector<std::int32_t>(110, 65536 * 255));
        QImage image = form.Image();
        QCOMPARE(image.size(), QSize(120, 110));
        QCOMPARE(image.pixel(3, 4), qRgb(255, 128, 7));
        QCOMPARE(image.pixel(5, 0), qRgb(0, 0, 255));
        QCOMPARE(image.pixel(5, 109), qRgb(0, 0, 255));

        QImage picture(4, 4, QImage::Format_RGB32);
        picture.fill(qRgb(0, 255, 0));
        form.setPicture(picture);
        image = form.Image();
        QCOMPARE(image.pixel(0, 0), qRgb(0, 255, 0));
        QCOMPARE(image.pixel(3, 4) == qRgb(255, 128, 7), false);
        form.setPicture(QImage());
        QCOMPARE(form.Image().pixel(0, 0), form.Image().pixel(119, 109));
    }

    void closeRequestsCarryTheirOrigin()
    {
        TestForm form(m_desktop);
        form.Show();
        form.cancel = 1;
        form.close();
        form.Unload();
        form.RequestClose(2);
        form.RequestClose(3);
        QCOMPARE(form.origins, QList<int>({0, 1, 2, 3}));
        QVERIFY(form.isVisible());
        form.cancel = 0;
        form.close();
        QVERIFY(!form.isVisible());
    }

    void keysReachTheFormOnlyWithoutAFocusedControl()
    {
        TestForm form(m_desktop);
        QLineEdit edit(&form);
        form.Show();
        QApplication::setActiveWindow(&form);
        QVERIFY(QTest::qWaitForWindowActive(&form));
        edit.setFocus();
        QTest::keyClick(&edit, Qt::Key_Space);
        QCOMPARE(form.keys, QList<int>());
        edit.hide();
        QTest::keyClick(&form, Qt::Key_Space);
        QTest::keyClick(&form, Qt::Key_Return);
        QTest::keyClick(&form, Qt::Key_A);
        QCOMPARE(form.keys, QList<int>({32, 13, 'a'}));
    }
};

QTEST_MAIN(FormTest)
#include "tst_form.moc"
