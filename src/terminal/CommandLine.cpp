#include "terminal/CommandLine.h"

namespace Terminal {

ScannedArguments ScanArguments(const QStringList& arguments, const QStringList& valueOptions,
                               const QStringList& flagOptions)
{
    ScannedArguments scanned;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        // "--" ends the options: a folder may be named like one.
        if (argument == "--") {
            scanned.positional << arguments.mid(i + 1);
            break;
        }
        if (!argument.startsWith("--")) {
            scanned.positional << argument;
            continue;
        }
        const qsizetype equals = argument.indexOf('=');
        const QString name = equals < 0 ? argument : argument.left(equals);
        if (flagOptions.contains(name)) {
            if (equals >= 0)
                throw UsageError(QString("%1 takes no value.").arg(name));
            if (scanned.flags.contains(name))
                throw UsageError(QString("%1 is given twice.").arg(name));
            scanned.flags.insert(name);
            continue;
        }
        if (!valueOptions.contains(name))
            throw UsageError(QString("Unknown option %1.").arg(name));
        if (scanned.values.contains(name))
            throw UsageError(QString("%1 is given twice.").arg(name));
        if (equals >= 0) {
            scanned.values.insert(name, argument.mid(equals + 1));
        } else if (i + 1 < arguments.size()) {
            scanned.values.insert(name, arguments[++i]);
        } else {
            throw UsageError(QString("%1 needs a value.").arg(name));
        }
    }
    return scanned;
}

int ReadCount(const QString& text, int minimum, int maximum, const QString& what)
{
    bool digitsOnly = !text.isEmpty() && text.size() <= 9;
    for (const QChar c : text)
        digitsOnly = digitsOnly && c >= u'0' && c <= u'9';
    const int value = digitsOnly ? text.toInt() : -1;
    if (!digitsOnly || value < minimum || value > maximum)
        throw UsageError(QString("%1 must be a whole number from %2 to %3, not \"%4\".")
                             .arg(what)
                             .arg(minimum)
                             .arg(maximum)
                             .arg(text));
    return value;
}

} // namespace Terminal
