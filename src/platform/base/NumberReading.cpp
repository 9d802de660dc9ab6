#include "platform/Numbers.h"

#include "platform/RuntimeError.h"

#include <charconv>
#include <cmath>
#include <string>

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

} // namespace Platform
