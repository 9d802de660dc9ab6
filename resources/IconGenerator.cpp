// Draws the program's icon: the silhouette of the classic Mandelbrot set
// (z -> z^2 + c) in pure red on a transparent background, the real axis
// horizontal and the antenna pointing left. Run by the build, so the icon is
// made from this source rather than checked in.
//
// Usage: IconGenerator <size in pixels> <output.png>

#include <QImage>
#include <QString>
#include <cstdio>

namespace {

constexpr int maxIterations = 500;
constexpr int samplesPerAxis = 5;

// The view: the set reaches from -2 to about 0.47 on the real axis and about
// +-1.12 on the imaginary axis; this square leaves a small margin around it.
constexpr double viewLeft = -2.065;
constexpr double viewWidth = 2.6;

bool inMainCardioidOrBulb(double x, double y)
{
    const double q = (x - 0.25) * (x - 0.25) + y * y;
    if (q * (q + (x - 0.25)) <= 0.25 * y * y) {
        return true;
    }
    return (x + 1.0) * (x + 1.0) + y * y <= 1.0 / 16.0;
}

bool inSet(double x, double y)
{
    if (inMainCardioidOrBulb(x, y)) {
        return true;
    }
    double zx = x;
    double zy = y;
    for (int i = 0; i < maxIterations; ++i) {
        const double xx = zx * zx;
        const double yy = zy * zy;
        if (xx + yy > 4.0) {
            return false;
        }
        zy = 2.0 * zx * zy + y;
        zx = xx - yy + x;
    }
    return true;
}

// A pixel is opaque when at least half of it lies in the set, or when its
// centre does: the antenna and the filaments have no area, and without the
// centre test the antenna would vanish.
bool pixelOpaque(double left, double centreY, double pixel)
{
    if (inSet(left + pixel / 2.0, centreY)) {
        return true;
    }
    int inside = 0;
    for (int sy = 0; sy < samplesPerAxis; ++sy) {
        for (int sx = 0; sx < samplesPerAxis; ++sx) {
            const double x = left + (sx + 0.5) * pixel / samplesPerAxis;
            const double y = centreY + ((sy + 0.5) / samplesPerAxis - 0.5) * pixel;
            inside += inSet(x, y) ? 1 : 0;
        }
    }
    return 2 * inside >= samplesPerAxis * samplesPerAxis;
}

QImage drawIcon(int size)
{
    const double pixel = viewWidth / size;
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    const QRgb red = qRgba(255, 0, 0, 255);
    // Row size / 2 is centred on the real axis, so the one-pixel antenna
    // lies on a single row and the picture is symmetric about it.
    for (int row = 0; row < size; ++row) {
        const double centreY = (size / 2 - row) * pixel;
        for (int column = 0; column < size; ++column) {
            if (pixelOpaque(viewLeft + column * pixel, centreY, pixel)) {
                image.setPixel(column, row, red);
            }
        }
    }
    return image;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s <size> <output.png>\n", argv[0]);
        return 2;
    }
    bool ok = false;
    const int size = QString::fromLocal8Bit(argv[1]).toInt(&ok);
    if (!ok || size < 8 || size > 1024) {
        std::fprintf(stderr, "size must be 8 to 1024 pixels\n");
        return 2;
    }
    if (!drawIcon(size).save(QString::fromLocal8Bit(argv[2]), "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
