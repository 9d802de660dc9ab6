#include "film/FilmVariant.h"

#include "render/FrameRenderer.h"

#include <QStringList>

namespace Film {

QString VariantSuffix(const FilmParameters& film)
{
    QString suffix;
    if (film.supersample != 1)
        suffix += QString(" SS%1").arg(film.supersample);
    if (film.supersample != 1 && film.adaptive)
        suffix += " Adaptive";
    if (film.smooth)
        suffix += " Smooth";
    if (film.decimals != DefaultDecimals)
        suffix += QString(" D%1").arg(film.decimals);
    return suffix;
}

bool ReadVariantSuffix(const QString& suffix, FilmParameters& film)
{
    FilmParameters read = film;
    for (const QString& word : suffix.split(' ', Qt::SkipEmptyParts)) {
        if (word == "Smooth") {
            read.smooth = true;
        } else if (word == "Adaptive") {
            read.adaptive = true;
        } else if (word.size() == 3 && word.startsWith("SS") && word[2] >= u'2' &&
                   word[2] <= QChar(u'0' + Render::MaxSupersample)) {
            read.supersample = word[2].digitValue();
        } else if (word.size() == 2 && word[0] == u'D' && word[1] > QChar(u'0' + DefaultDecimals) &&
                   word[1] <= QChar(u'0' + MaxDecimals)) {
            read.decimals = word[1].digitValue();
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

} // namespace Film
