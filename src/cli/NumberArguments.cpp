#include "NumberArguments.h"

#include "terminal/MessageError.h"

#include <QRegularExpression>

namespace Cli {

using Terminal::UsageError;

namespace {

struct FilmNumber
{
    const char* option;
    bool whole;
};

constexpr FilmNumber FilmNumbers[] = {
    {"--emin", false}, {"--emax", false}, {"--steps", true}, {"--pixels", true}};

void RequireNumber(const FilmNumber& number, const QString& text)
{
    static const QRegularExpression decimal(
        R"(^[+-]?([0-9]+\.?[0-9]*|\.[0-9]+)([eE][+-]?[0-9]+)?$)");
    static const QRegularExpression integer(R"(^[+-]?[0-9]+$)");
    if (number.whole && !integer.match(text).hasMatch())
        throw UsageError(QString("%1 wants a whole number, not \"%2\".").arg(number.option, text));
    if (!number.whole && !decimal.match(text).hasMatch())
        throw UsageError(QString("%1 wants a number written with a point, like 2.5, not \"%2\".")
                             .arg(number.option, text));
}

} // namespace

void RequireFilmNumbers(const QMap<QString, QString>& values)
{
    for (const FilmNumber& number : FilmNumbers) {
        if (!values.contains(number.option))
            throw UsageError(QString("%1 is required.").arg(number.option));
        RequireNumber(number, values[number.option]);
    }
}

} // namespace Cli
