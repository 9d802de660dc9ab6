#include "platform/Numbers.h"

#include "platform/RuntimeError.h"

#include <cmath>

namespace Platform {

std::int32_t CLng(double value)
{
    if (std::isnan(value)) {
        throw RuntimeError(ErrorKind::Overflow, QStringLiteral("CLng"));
    }
    // Rounds the magnitude, whose fraction a - floor(a) is exact for every
    // non-negative double, so the result does not hang on the rounding mode.
    const double magnitude = std::abs(value);
    double rounded = std::floor(magnitude);
    const double rest = magnitude - rounded;
    if (rest > 0.5 || (rest == 0.5 && std::fmod(rounded, 2.0) != 0.0)) {
        rounded += 1.0;
    }
    rounded = std::copysign(rounded, value);
    if (rounded < -2147483648.0 || rounded > 2147483647.0) {
        throw RuntimeError(ErrorKind::Overflow, QStringLiteral("CLng"));
    }
    return static_cast<std::int32_t>(rounded);
}

double Int(double value)
{
    return std::floor(value);
}

QString Right(const QString& text, qsizetype n)
{
    if (n < 0) {
        throw RuntimeError(ErrorKind::InvalidArgument, QStringLiteral("Right$ length %1").arg(n));
    }
    return text.right(n);
}

} // namespace Platform
