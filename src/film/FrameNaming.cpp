#include "film/FrameNaming.h"

#include "film/FilmVariant.h"
#include "platform/Numbers.h"

namespace Film {

using Platform::Format;

double FrameExponent(double eMin, double eMax, std::int32_t steps, std::int64_t k)
{
    return ((eMax - eMin) * k) / steps + eMin;
}

double RenderedExponent(double e)
{
    return e == 1.0 ? 1.0001 : e;
}

QString FrameFolderPath(const QString& basePath, const FilmParameters& film, QChar separator)
{
    const QString name = "eMin=" + Format(film.eMin, separator) +
                         " eMax=" + Format(film.eMax, separator) +
                         " Steps=" + Format(film.steps, separator) +
                         " Pixels=" + Format(film.pixels, separator) + " " + film.paletteName();
    const QString variantName = name + VariantSuffix(film);
    return basePath.isEmpty() ? variantName : PathInFolder(basePath, variantName);
}

QString FrameFileName(double e, QChar separator, Platform::PictureFormat format)
{
    return "PowerReels-" + Format(e, u"000.000", separator) + "." + Platform::PictureSuffix(format);
}

QString FrameFilePath(const QString& folderPath, double e, QChar separator,
                      Platform::PictureFormat format)
{
    return folderPath + "/" + FrameFileName(e, separator, format);
}

QStringList FrameFileCandidates(const QString& folderPath, double e, Platform::PictureFormat format)
{
    const QChar own = Platform::DecimalSeparator();
    QStringList paths = {FrameFilePath(folderPath, e, own, format)};
    for (const QChar other : {QChar(u'.'), QChar(u',')}) {
        if (other != own)
            paths << FrameFilePath(folderPath, e, other, format);
    }
    return paths;
}

QString FrameCaption(double e, const QString& state, QChar separator)
{
    return "PowerReels - e=" + Format(e, u"0.000", separator) + state;
}

} // namespace Film
