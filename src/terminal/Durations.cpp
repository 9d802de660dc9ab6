#include "terminal/Durations.h"

#include <algorithm>
#include <cmath>

namespace Terminal {

QString FormatDuration(double seconds)
{
    const long long total = std::llround(std::max(seconds, 0.0));
    const long long hours = total / 3600;
    const long long minutes = total / 60 % 60;
    const QString secondsText = QString::number(total % 60).rightJustified(2, u'0');
    if (hours > 0)
        return QString("%1:%2:%3")
            .arg(hours)
            .arg(QString::number(minutes).rightJustified(2, u'0'), secondsText);
    return QString("%1:%2").arg(minutes).arg(secondsText);
}

} // namespace Terminal
