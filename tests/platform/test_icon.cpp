#include "resources/Icon.h"

#include <QImage>
#include <QPixmap>
#include <QtTest>

namespace {

bool isOpaque(const QImage& image, int x, int y)
{
    return qAlpha(image.pixel(x, y)) != 0;
}

} // namespace

class TestIcon : public QObject
{
    Q_OBJECT

private:
    QImage m_image;
    QRect m_bounds; // of the opaque pixels

    static void addSizes();
    void loadIcon(int size);

private slots:
    void init();
    void hasTheSize_data() { addSizes(); }
    void hasTheSize();
    void opaquePixelsArePureRedOnTransparent_data() { addSizes(); }
    void opaquePixelsArePureRedOnTransparent();
    void antennaPointsLeftOnTheRealAxis_data() { addSizes(); }
    void antennaPointsLeftOnTheRealAxis();
    void symmetricAboutTheRealAxis_data() { addSizes(); }
    void symmetricAboutTheRealAxis();
    void areaHasTheSetsProportion_data() { addSizes(); }
    void areaHasTheSetsProportion();
};

void TestIcon::init()
{
    m_image = QImage();
    m_bounds = QRect();
}

void TestIcon::addSizes()
{
    QTest::addColumn<int>("size");
    QTest::newRow("title bar 32") << 32;
    QTest::newRow("icon theme 256") << 256;
}

void TestIcon::loadIcon(int size)
{
    const QIcon icon = PowerReelsIcon();
    QVERIFY(!icon.isNull());
    QVERIFY(icon.availableSizes().contains(QSize(size, size)));
    m_image = icon.pixmap(QSize(size, size)).toImage().convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(m_image.size(), QSize(size, size));
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            if (isOpaque(m_image, x, y)) {
                m_bounds |= QRect(x, y, 1, 1);
            }
        }
    }
    QVERIFY(!m_bounds.isEmpty());
}

void TestIcon::hasTheSize()
{
    QFETCH(int, size);
    loadIcon(size);
    if (QTest::currentTestFailed()) {
        return;
    }
}

void TestIcon::opaquePixelsArePureRedOnTransparent()
{
    QFETCH(int, size);
    loadIcon(size);
    if (QTest::currentTestFailed()) {
        return;
    }
    int transparent = 0;
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const QRgb pixel = m_image.pixel(x, y);
            if (qAlpha(pixel) == 0) {
                ++transparent;
            } else if (pixel != qRgba(255, 0, 0, 255)) {
                QFAIL(qPrintable(
                    QStringLiteral("pixel %1,%2 is %3").arg(x).arg(y).arg(pixel, 8, 16)));
            }
        }
    }
    QVERIFY(transparent > 0);
    QCOMPARE(qAlpha(m_image.pixel(0, 0)), 0);
    QCOMPARE(qAlpha(m_image.pixel(size - 1, size - 1)), 0);
}

void TestIcon::antennaPointsLeftOnTheRealAxis()
{
    QFETCH(int, size);
    loadIcon(size);
    if (QTest::currentTestFailed()) {
        return;
    }
    // The leftmost opaque pixel is the tip of the antenna, thin and on the
    // middle row.
    const int left = m_bounds.left();
    QList<int> tipRows;
    for (int y = 0; y < size; ++y) {
        if (isOpaque(m_image, left, y)) {
            tipRows << y;
        }
    }
    QVERIFY2(tipRows.size() <= 2, "the antenna's tip is more than two pixels high");
    QVERIFY(tipRows.front() == size / 2 - 1 || tipRows.front() == size / 2);

    // The bulk of the set, the main cardioid, lies right of the middle.
    int tallestColumn = left;
    int tallestHeight = 0;
    for (int x = left; x <= m_bounds.right(); ++x) {
        int height = 0;
        for (int y = 0; y < size; ++y) {
            height += isOpaque(m_image, x, y) ? 1 : 0;
        }
        if (height > tallestHeight) {
            tallestHeight = height;
            tallestColumn = x;
        }
    }
    QVERIFY2(tallestColumn > m_bounds.center().x(), "the cardioid is not on the right");
}

void TestIcon::symmetricAboutTheRealAxis()
{
    QFETCH(int, size);
    loadIcon(size);
    if (QTest::currentTestFailed()) {
        return;
    }
    int axis = size / 2;
    while (!isOpaque(m_image, m_bounds.left(), axis) && axis > 0) {
        --axis;
    }
    const int reach = qMin(axis, size - 1 - axis);
    for (int k = 1; k <= reach; ++k) {
        for (int x = 0; x < size; ++x) {
            if (isOpaque(m_image, x, axis - k) != isOpaque(m_image, x, axis + k)) {
                QFAIL(qPrintable(
                    QStringLiteral("column %1 differs at %2 rows from the axis").arg(x).arg(k)));
            }
        }
    }
}

void TestIcon::areaHasTheSetsProportion()
{
    QFETCH(int, size);
    loadIcon(size);
    if (QTest::currentTestFailed()) {
        return;
    }
    // The set is 2.47 wide from the antenna's tip to the right and has an
    // area of about 1.5066: a quarter of the square on its width. The width
    // holds at every size, the height loses its thin tips when small.
    int opaque = 0;
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            opaque += isOpaque(m_image, x, y) ? 1 : 0;
        }
    }
    const double fill = double(opaque) / (m_bounds.width() * m_bounds.width());
    QVERIFY2(fill > 0.21 && fill < 0.31, qPrintable(QString::number(fill)));
    // The set fills most of the icon, so that it reads in a title bar.
    QVERIFY(m_bounds.width() > size * 3 / 4);
}

QTEST_MAIN(TestIcon)
#include "test_icon.moc"
