#include "terminal/OptionTable.h"

#include <QRegularExpression>
#include <algorithm>
#include <stdexcept>

namespace Terminal {

namespace {

constexpr int HelpWidth = 79;
constexpr int OptionIndent = 6;
constexpr int OptionTextColumn = 22;

// The words of text from the current column on, going on under the
// option's text column.
QString Wrapped(const QString& text, int column)
{
    QString wrapped;
    const int start = column;
    for (const QString& word : text.split(' ')) {
        if (column > start && column + 1 + word.size() > HelpWidth) {
            wrapped += '\n' + QString(OptionTextColumn, ' ');
            column = OptionTextColumn;
        } else if (column > start) {
            wrapped += ' ';
            ++column;
        }
        wrapped += word;
        column += int(word.size());
    }
    return wrapped;
}

} // namespace

OptionTable::OptionTable(std::vector<Option> options) : m_options(std::move(options)) {}

ScannedArguments OptionTable::scan(const QStringList& arguments) const
{
    QStringList values;
    QStringList flags;
    for (const Option& option : m_options)
        (option.kind == ValueKind::Flag ? flags : values) << option.name;
    return ScanArguments(arguments, values, flags);
}

bool OptionTable::asksForHelp(const QStringList& arguments) const
{
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == "--")
            return false;
        if (argument == "--help" || argument == "-h")
            return true;
        const auto named =
            std::find_if(m_options.begin(), m_options.end(),
                         [&](const Option& option) { return option.name == argument; });
        if (named != m_options.end() && named->kind != ValueKind::Flag)
            ++i;
    }
    return false;
}

int OptionTable::count(const ScannedArguments& scanned, const QString& name, int fallback) const
{
    const Option& option = (*this)[name];
    if (!scanned.values.contains(name))
        return fallback;
    return ReadCount(scanned.values[name], option.minimum, option.maximum, name);
}

QString OptionTable::number(const ScannedArguments& scanned, const QString& name) const
{
    static const QRegularExpression decimal(
        R"(^[+-]?([0-9]+\.?[0-9]*|\.[0-9]+)([eE][+-]?[0-9]+)?$)");
    static const QRegularExpression integer(R"(^[+-]?[0-9]+$)");
    if (!scanned.values.contains(name))
        throw UsageError(QString("%1 is required.").arg(name));
    const QString text = scanned.values[name];
    if ((*this)[name].kind == ValueKind::WholeNumber) {
        if (!integer.match(text).hasMatch())
            throw UsageError(QString("%1 wants a whole number, not \"%2\".").arg(name, text));
    } else if (!decimal.match(text).hasMatch()) {
        throw UsageError(QString("%1 wants a number written with a point, like 2.5, not \"%2\".")
                             .arg(name, text));
    }
    return text;
}

QString OptionTable::help() const
{
    QString help;
    for (const Option& option : m_options) {
        const QString entry = QString(OptionIndent, ' ') + option.name +
                              (option.valueName.isEmpty() ? QString() : ' ' + option.valueName);
        // Two spaces at least between an entry and its text.
        const bool fits = entry.size() + 2 <= OptionTextColumn;
        help += fits ? entry.leftJustified(OptionTextColumn)
                     : entry + '\n' + QString(OptionTextColumn, ' ');
        help += Wrapped(option.help, OptionTextColumn) + '\n';
    }
    return help;
}

const Option& OptionTable::operator[](const QString& name) const
{
    for (const Option& option : m_options) {
        if (option.name == name)
            return option;
    }
    throw std::logic_error("no such option: " + name.toStdString());
}

} // namespace Terminal
