#include "platform/Numbers.h"

#include "platform/RuntimeError.h"

#include <QLocale>
#include <array>
#include <charconv>
#include <cmath>
#include <string>
#include <string_view>

namespace Platform {

namespace {

// The classic runtime never holds an infinite or undefined Double: the
// operation that would make one raises an overflow instead.
void requireFinite(double value, const char* operation)
{
    if (!std::isfinite(value)) {
        throw RuntimeError(ErrorKind::Overflow, QString::fromLatin1(operation));
    }
}

// Room for the longest fixed-point text of a double (309 integer digits).
using TextBuffer = std::array<char, 512>;

// Adds one unit in the last place of a decimal text of digits and at most one
// point.
std::string incrementLastDigit(std::string text)
{
    for (auto it = text.rbegin(); it != text.rend(); ++it) {
        if (*it == '.') {
            continue;
        }
        if (*it != '9') {
            ++*it;
            return text;
        }
        *it = '0';
    }
    return "1" + text;
}

// The magnitude rounded to a number of decimals, nearest to the exact binary
// value; an exact half goes away from zero as in the classic Format.
std::string fixedDigits(double magnitude, int decimals)
{
    TextBuffer buffer;
    // A half at this many decimals is exactly a value whose 2^(decimals + 1)
    // multiple is an odd integer (the power of five in 10^decimals is odd).
    const double scaled = std::ldexp(magnitude, decimals + 1);
    const bool exactHalf =
        scaled < 0x1p53 && scaled == std::floor(scaled) && std::fmod(scaled, 2.0) == 1.0;
    if (!exactHalf) {
        const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude,
                                          std::chars_format::fixed, decimals);
        return std::string(buffer.data(), result.ptr);
    }
    // One more decimal shows the half exactly: drop its final 5 and round up.
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude,
                                      std::chars_format::fixed, decimals + 1);
    std::string text(buffer.data(), result.ptr - 1);
    if (decimals == 0) {
        text.pop_back();
    }
    return incrementLastDigit(text);
}

struct Pattern
{
    std::u16string_view text;
    int minimumIntegerDigits;
    int decimals;
    bool separator;
};

constexpr std::array patterns{
    Pattern{u"0.000", 1, 3, true},
    Pattern{u"000.000", 3, 3, true},
    Pattern{u"0.", 1, 0, true},
    Pattern{u"00", 2, 0, false},
};

const Pattern& findPattern(QStringView text)
{
    for (const Pattern& pattern : patterns) {
        if (text == QStringView(pattern.text)) {
            return pattern;
        }
    }
    throw RuntimeError(ErrorKind::InvalidArgument,
                       QStringLiteral("Format pattern \"%1\"").arg(text.toString()));
}

// A general number needs an exponent from 15 integer digits on, and below
// 0.0001, as the classic general number writes them (1E+15, 1E-05).
constexpr int largestFixedExponent = 14;
constexpr int smallestFixedExponent = -4;
constexpr int significantDigits = 15;

} // namespace

QString Format(double value, QChar separator)
{
    requireFinite(value, "Format");
    if (value == 0.0) {
        return QStringLiteral("0");
    }
    // Scientific form with 15 significant digits, rounded from the exact value.
    TextBuffer buffer;
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), std::abs(value),
                                      std::chars_format::scientific, significantDigits - 1);
    const std::string_view scientific(buffer.data(), result.ptr);
    const auto ePos = scientific.find('e');
    std::string digits = std::string(1, scientific[0]);
    if (ePos > 1) {
        digits += scientific.substr(2, ePos - 2);
    }
    digits.erase(digits.find_last_not_of('0') + 1);

    const std::string_view exponentText = scientific.substr(ePos + 1);
    int exponent = 0;
    std::from_chars(exponentText.data() + 1, exponentText.data() + exponentText.size(), exponent);
    if (exponentText.front() == '-') {
        exponent = -exponent;
    }

    const QString significant = QString::fromLatin1(digits);
    QString text = value < 0 ? QStringLiteral("-") : QString();
    if (exponent > largestFixedExponent || exponent < smallestFixedExponent) {
        text += significant.front();
        if (significant.size() > 1) {
            text += separator + significant.mid(1);
        }
        text += exponent < 0 ? QStringLiteral("E-") : QStringLiteral("E+");
        text += QString::number(std::abs(exponent)).rightJustified(2, u'0');
    } else if (exponent >= 0) {
        const qsizetype wholeDigits = exponent + 1;
        text += significant.left(wholeDigits).leftJustified(wholeDigits, u'0');
        if (significant.size() > wholeDigits) {
            text += separator + significant.mid(wholeDigits);
        }
    } else {
        text += QStringLiteral("0") + separator + QString(-exponent - 1, u'0') + significant;
    }
    return text;
}

QString Format(double value, QStringView patternText, QChar separator)
{
    const Pattern& pattern = findPattern(patternText);
    const QString text =
        FormatFixed(value, pattern.minimumIntegerDigits, pattern.decimals, separator);
    return pattern.separator ? text : text.chopped(1);
}

QString FormatFixed(double value, int integerDigits, int decimals, QChar separator)
{
    requireFinite(value, "Format");
    const std::string digits = fixedDigits(std::abs(value), decimals);
    const auto point = digits.find('.');
    const QString whole = QString::fromLatin1(digits.substr(0, point));
    const QString fraction =
        point == std::string::npos ? QString() : QString::fromLatin1(digits.substr(point + 1));

    // A value that rounds to zero loses its sign.
    const bool negative = value < 0 && digits.find_first_not_of("0.") != std::string::npos;
    QString text = negative ? QStringLiteral("-") : QString();
    text += whole.rightJustified(integerDigits, u'0');
    return text + separator + fraction;
}

QChar DecimalSeparator()
{
    const QString separator = QLocale().decimalPoint();
    return separator.isEmpty() ? QChar(u'.') : separator.front();
}

} // namespace Platform
