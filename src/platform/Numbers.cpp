#include "platform/Numbers.h"

#include "platform/RuntimeError.h"

#include <QLocale>
#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>

namespace Platform {

namespace {

// Reads a text one character at a time. Blanks are stepped over wherever they
// stand, also inside a number, as the classic reader does: "1 2" reads 12.
class Reader
{
public:
    explicit Reader(QStringView text) : m_text(text) {}

    // The next character that is not a blank, or 0 at the end of the text.
    char16_t peek()
    {
        while (m_pos < m_text.size() && isBlank(m_text[m_pos])) {
            ++m_pos;
        }
        return m_pos < m_text.size() ? m_text[m_pos].unicode() : u'\0';
    }

    void skip() { ++m_pos; }

private:
    static bool isBlank(QChar c) { return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r'; }

    QStringView m_text;
    qsizetype m_pos = 0;
};

int digitValue(char16_t c, int radix)
{
    int value = radix;
    if (c >= u'0' && c <= u'9') {
        value = c - u'0';
    } else if (c >= u'a' && c <= u'f') {
        value = c - u'a' + 10;
    } else if (c >= u'A' && c <= u'F') {
        value = c - u'A' + 10;
    }
    return value < radix ? value : -1;
}

bool isDecimalDigit(char16_t c)
{
    return c >= u'0' && c <= u'9';
}

// &H and &O read integers of the classic types: a value that fits in 16 bits
// (up to FFFF, 177777 octal) is a 16-bit Integer, one that fits in 32 bits a
// Long, so &HFFFF and &HFFFFFFFF both read -1 and &H10000 reads 65536. Leading
// zeros do not widen the type. Anything beyond 32 bits overflows.
double readRadixInteger(Reader& in, int radix)
{
    std::uint64_t value = 0;
    bool tooLarge = false;
    for (int digit = digitValue(in.peek(), radix); digit >= 0;
         digit = digitValue(in.peek(), radix)) {
        in.skip();
        value = value * radix + digit;
        if (value > 0xFFFFFFFFu) {
            tooLarge = true;
            value = 0xFFFFFFFFu;
        }
    }
    if (tooLarge) {
        throw RuntimeError(ErrorKind::Overflow, QStringLiteral("Val"));
    }
    if (value <= 0xFFFFu) {
        return static_cast<std::int16_t>(value);
    }
    return static_cast<std::int32_t>(value);
}

std::string readDigits(Reader& in)
{
    std::string digits;
    while (isDecimalDigit(in.peek())) {
        digits += static_cast<char>(in.peek());
        in.skip();
    }
    return digits;
}

// Far beyond what a double holds, small enough to do arithmetic with.
constexpr long long exponentLimit = 100'000'000;

long long readExponent(Reader& in)
{
    const char16_t e = in.peek();
    if (e != u'E' && e != u'e' && e != u'D' && e != u'd') {
        return 0;
    }
    in.skip();
    bool negative = false;
    if (in.peek() == u'+' || in.peek() == u'-') {
        negative = in.peek() == u'-';
        in.skip();
    }
    long long exponent = 0;
    for (const char digit : readDigits(in)) {
        exponent = std::min(exponent * 10 + (digit - '0'), exponentLimit);
    }
    return negative ? -exponent : exponent;
}

// Power of ten of the leading significant digit; only asked when the mantissa
// is not zero.
long long leadingPowerOfTen(const std::string& whole, const std::string& fraction,
                            long long exponent)
{
    const auto firstWhole = whole.find_first_not_of('0');
    if (firstWhole != std::string::npos) {
        return static_cast<long long>(whole.size() - 1 - firstWhole) + exponent;
    }
    const auto firstFraction = fraction.find_first_not_of('0');
    return exponent - static_cast<long long>(firstFraction) - 1;
}

double readDecimal(Reader& in)
{
    bool negative = false;
    if (in.peek() == u'+' || in.peek() == u'-') {
        negative = in.peek() == u'-';
        in.skip();
    }
    const std::string whole = readDigits(in);
    std::string fraction;
    if (in.peek() == u'.') {
        in.skip();
        fraction = readDigits(in);
    }
    if (whole.empty() && fraction.empty()) {
        return 0.0;
    }
    const long long exponent = readExponent(in);
    if (whole.find_first_not_of('0') == std::string::npos &&
        fraction.find_first_not_of('0') == std::string::npos) {
        return 0.0;
    }

    // std::from_chars rounds the decimal digits exactly and, unlike strtod,
    // ignores the C locale that Qt sets from the environment.
    const std::string ascii = (negative ? "-" : "") + (whole.empty() ? "0" : whole) + "." +
                              fraction + "e" + std::to_string(exponent);
    double value = 0.0;
    const auto [end, error] = std::from_chars(ascii.data(), ascii.data() + ascii.size(), value);
    if (error == std::errc::result_out_of_range) {
        if (leadingPowerOfTen(whole, fraction, exponent) >= 0) {
            throw RuntimeError(ErrorKind::Overflow, QStringLiteral("Val"));
        }
        return 0.0;
    }
    if (error != std::errc() || std::isinf(value)) {
        throw RuntimeError(ErrorKind::Overflow, QStringLiteral("Val"));
    }
    return value;
}

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

double Val(QStringView text)
{
    Reader in(text);
    if (in.peek() == u'&') {
        in.skip();
        const char16_t radix = in.peek();
        if (radix == u'H' || radix == u'h') {
            in.skip();
            return readRadixInteger(in, 16);
        }
        if (radix == u'O' || radix == u'o') {
            in.skip();
            return readRadixInteger(in, 8);
        }
        return 0.0;
    }
    return readDecimal(in);
}

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
    requireFinite(value, "Format");
    const std::string digits = fixedDigits(std::abs(value), pattern.decimals);
    const auto point = digits.find('.');
    const QString whole = QString::fromLatin1(digits.substr(0, point));
    const QString fraction =
        point == std::string::npos ? QString() : QString::fromLatin1(digits.substr(point + 1));

    // A value that rounds to zero loses its sign.
    const bool negative = value < 0 && digits.find_first_not_of("0.") != std::string::npos;
    QString text = negative ? QStringLiteral("-") : QString();
    text += whole.rightJustified(pattern.minimumIntegerDigits, u'0');
    if (pattern.separator) {
        text += separator + fraction;
    }
    return text;
}

QChar DecimalSeparator()
{
    const QString separator = QLocale().decimalPoint();
    return separator.isEmpty() ? QChar(u'.') : separator.front();
}

QString Right(const QString& text, qsizetype n)
{
    if (n < 0) {
        throw RuntimeError(ErrorKind::InvalidArgument, QStringLiteral("Right$ length %1").arg(n));
    }
    return text.right(n);
}

} // namespace Platform
