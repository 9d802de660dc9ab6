#include "cli/FilmVariant.h"

#include "film/FrameNaming.h"
#include "platform/Numbers.h"
#include "render/FrameRenderer.h"
#include "render/PaletteNames.h"

#include <QStringList>

namespace Cli {

QString VariantSuffix(const FilmParameters& film)
{
    QString suffix;
    if (film.supersample != 1)
        suffix += QString(" SS%1").arg(film.supersample);
    if (film.smooth)
        suffix += " Smooth";
    return suffix;
}

bool ReadVariantSuffix(const QString& suffix, FilmParameters& film)
{
    FilmParameters read = film;
    for (const QString& word : suffix.split(' ', Qt::SkipEmptyParts)) {
        if (word == "Smooth") {
            read.smooth = true;
        } else if (word.startsWith("SS") && word.size() == 3 && word[2] >= u'2' &&
                   word[2] <= QChar(u'0' + Film::MaxSupersample)) {
            read.supersample = word[2].digitValue();
        } else {
            return false;
        }
    }
    // Only the one spelling names the film: no repeats, no other order.
    if (VariantSuffix(read) != suffix)
        return false;
    film = read;
    return true;
}

QString FilmFolderPath(const QString& basePath, const FilmParameters& film)
{
    return Film::FrameFolderPath(basePath, film.eMin, film.eMax, film.steps, film.pixels,
                                 QLatin1String(Film::PaletteNames[film.paletteIndex]),
                                 Platform::DecimalSeparator()) +
           VariantSuffix(film);
}

} // namespace Cli
