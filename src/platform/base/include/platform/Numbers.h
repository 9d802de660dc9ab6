#pragma once

#include <QString>
#include <QStringView>
#include <cstdint>

// The number and text routines every handler uses to read what the user
// typed and to write numbers into captions, messages and file names.
namespace Platform {

// Reads the leading number of a text: blanks, tabs and line feeds skipped,
// optional sign, digits with at most one point, optional E or D exponent;
// &H and &O read hexadecimal and octal integers. No number gives 0. The point
// is the only decimal separator. Throws RuntimeError(Overflow) beyond the
// range of a double.
double Val(QStringView text);

// Rounds to the nearest 32-bit integer, halves to the even neighbour.
// Throws RuntimeError(Overflow) outside -2147483648..2147483647.
std::int32_t CLng(double value);

// Rounds down; the result stays a double.
double Int(double value);

// General number: shortest text with at most 15 significant digits, no
// trailing zeros, no separator for whole numbers.
QString Format(double value, QChar separator);

// Patterns "0.000", "000.000", "0." and "00". Throws
// RuntimeError(InvalidArgument) for any other pattern.
QString Format(double value, QStringView pattern, QChar separator);

// What those patterns write, with any number of digits: at least
// integerDigits before the separator, zero-padded, and exactly decimals after
// it, rounded from the exact value with halves away from zero. The separator
// is written even with no decimals ("2.", as the pattern "0." has it).
QString FormatFixed(double value, int integerDigits, int decimals, QChar separator);

// The decimal separator of the user's number settings (the default QLocale,
// which follows the system's and which tests replace with QLocale::setDefault):
// the one place the program reads them.
QChar DecimalSeparator();

// The last n characters of a text (all of it when shorter).
QString Right(const QString& text, qsizetype n);

} // namespace Platform
