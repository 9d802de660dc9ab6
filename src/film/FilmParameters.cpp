#include "film/FilmParameters.h"

#include "film/FilmVariant.h"
#include "film/FrameNaming.h"
#include "platform/Numbers.h"
#include "render/PaletteNames.h"

#include <QStringList>

namespace Film {

using Platform::Format;

QString FilmParameters::paletteName() const
{
    return paletteIndex >= 0 && paletteIndex < Render::PaletteCount
               ? QLatin1String(Render::PaletteNames[paletteIndex])
               : QString();
}

double FilmParameters::frameExponent(std::int64_t k) const
{
    return FrameExponent(eMin, eMax, steps, k);
}

double FilmParameters::renderedExponent(std::int64_t k) const
{
    return RenderedExponent(frameExponent(k));
}

Render::FrameRequest FilmParameters::frameRequest(std::int64_t k) const
{
    Render::FrameRequest request;
    request.e = renderedExponent(k);
    request.pixels = pixels;
    request.paletteIndex = paletteIndex;
    request.supersample = supersample;
    request.adaptive = adaptive;
    request.smooth = smooth;
    return request;
}

QString FilmParameters::folderName(QChar separator) const
{
    return "eMin=" + Format(eMin, separator) + " eMax=" + Format(eMax, separator) +
           " Steps=" + Format(steps, separator) + " Pixels=" + Format(pixels, separator) + " " +
           paletteName() + VariantSuffix(*this);
}

QString FilmParameters::folderPath(const QString& parent, QChar separator) const
{
    return PathInFolder(parent, folderName(separator));
}

QString FilmParameters::frameFileName(std::int64_t k, QChar separator) const
{
    return FrameFileName(frameExponent(k), separator, format, decimals);
}

QString FilmParameters::framePath(const QString& folder, std::int64_t k, QChar separator) const
{
    return folder + "/" + frameFileName(k, separator);
}

int PaletteIndex(const QString& name)
{
    for (std::size_t i = 0; i < Render::PaletteNames.size(); ++i) {
        if (name.compare(QLatin1String(Render::PaletteNames[i]), Qt::CaseInsensitive) == 0)
            return int(i);
    }
    return -1;
}

QString PaletteNameList()
{
    QStringList names;
    for (const char* name : Render::PaletteNames)
        names << QLatin1String(name);
    return names.join(", ");
}

QString PathInFolder(const QString& base, const QString& name)
{
    return base.endsWith('/') ? base + name : base + '/' + name;
}

} // namespace Film
