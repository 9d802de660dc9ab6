#include "film/FilmParameters.h"

#include "film/FrameNaming.h"
#include "render/PaletteNames.h"

#include <QStringList>

namespace Film {

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

QString FilmParameters::folderName(QChar separator) const
{
    return FrameFolderPath(QString(), *this, separator);
}

QString FilmParameters::frameFileName(std::int64_t k, QChar separator) const
{
    return FrameFileName(renderedExponent(k), separator, format);
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
