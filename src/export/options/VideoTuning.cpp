#include "export/VideoTuning.h"

#include "terminal/MessageError.h"

#include <QRegularExpression>
#include <numeric>

namespace Export {

std::optional<FrameRate> ReadFrameRate(const QString& text)
{
    // At most nine digits a number and six decimals keep every fraction
    // within an int.
    static const QRegularExpression decimal(R"(^([0-9]{1,3})(?:\.([0-9]{1,6}))?$)");
    static const QRegularExpression fraction(R"(^([0-9]{1,9})/([0-9]{1,9})$)");
    qint64 numerator = 0;
    qint64 denominator = 1;
    if (const QRegularExpressionMatch match = decimal.match(text); match.hasMatch()) {
        const QString decimals = match.captured(2);
        for (int i = 0; i < decimals.size(); ++i)
            denominator *= 10;
        numerator = (match.captured(1) + decimals).toLongLong();
    } else if (const QRegularExpressionMatch match = fraction.match(text); match.hasMatch()) {
        numerator = match.captured(1).toLongLong();
        denominator = match.captured(2).toLongLong();
    } else {
        return std::nullopt;
    }
    if (numerator <= 0 || denominator <= 0 || numerator > MaxFramesPerSecond * denominator ||
        numerator * LongestFrameSeconds < denominator)
        return std::nullopt;
    const qint64 common = std::gcd(numerator, denominator);
    return FrameRate{int(numerator / common), int(denominator / common)};
}

FrameRate ReadFrameRateOption(const QString& text)
{
    const std::optional<FrameRate> rate = ReadFrameRate(text);
    if (!rate)
        throw Terminal::UsageError(
            QString("--fps wants frames per second from 1/%1 to %2, such as 24, 29.97 or "
                    "30000/1001, not \"%3\".")
                .arg(LongestFrameSeconds)
                .arg(MaxFramesPerSecond)
                .arg(text));
    return *rate;
}

QString FrameRateText(FrameRate rate)
{
    if (rate.denominator == 1)
        return QString::number(rate.numerator);
    return QString::number(double(rate.numerator) / rate.denominator, 'g', 6);
}

} // namespace Export
