#include "FilmLength.h"

#include "terminal/MessageError.h"

#include <QRegularExpression>
#include <limits>

namespace Cli {

using Terminal::UsageError;

std::int32_t StepsForLength(const FilmLength& length)
{
    // Nine digits each side keep seconds times rate exact in 128 bits.
    static const QRegularExpression decimal(R"(^([0-9]{1,9})(?:\.([0-9]{1,9}))?$)");
    const QRegularExpressionMatch match = decimal.match(length.seconds);
    if (!match.hasMatch())
        throw UsageError(
            QString("--seconds wants a length such as 10 or 2.5, not \"%1\".").arg(length.seconds));
    const QString decimals = match.captured(2);
    __int128 scale = 1;
    for (int i = 0; i < decimals.size(); ++i)
        scale *= 10;
    const __int128 numerator =
        __int128((match.captured(1) + decimals).toLongLong()) * length.rate.numerator;
    const __int128 denominator = scale * length.rate.denominator;
    constexpr __int128 mostFrames = __int128(std::numeric_limits<std::int32_t>::max()) + 1;
    if (numerator % denominator != 0 || numerator / denominator < 2 ||
        numerator / denominator > mostFrames) {
        const double frames = double(numerator) / double(denominator);
        throw UsageError(QString("--seconds %1 at %2 frames a second gives %3 frame%4; a film "
                                 "needs a whole number of them, from 2 to %5.")
                             .arg(length.seconds, Export::FrameRateText(length.rate))
                             .arg(frames, 0, 'g', 12)
                             .arg(frames == 1 ? "" : "s")
                             .arg(qint64(mostFrames)));
    }
    return std::int32_t(numerator / denominator - 1);
}

QString LengthPlanText(const FilmLength& length, std::int32_t steps)
{
    return QString("Steps=%1 plays %2 s at %3 fps")
        .arg(steps)
        .arg(length.seconds, Export::FrameRateText(length.rate));
}

} // namespace Cli
