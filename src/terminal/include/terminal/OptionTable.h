#pragma once

#include "terminal/CommandLine.h"

#include <QString>
#include <QStringList>
#include <vector>

namespace Terminal {

enum class ValueKind
{
    Flag,  // no value: "--resume"
    Text,  // a value the command reads itself: "--dir PARENT"
    Count, // a whole number within the option's limits: "--threads N"
    // A required number, read whole with a point as the decimal separator in
    // any language, so that a command means the same everywhere: "--emin E".
    Number,
    WholeNumber, // the same without a fraction: "--steps N"
};

// One option of a command: its name, the value it takes, the limits of a
// count and its help line, in which the command fills in the limits from the
// tables that own them.
struct Option
{
    QString name; // "--threads"
    ValueKind kind = ValueKind::Flag;
    QString valueName; // "N" in the help line; none for a flag
    QString help;
    int minimum = 0;
    int maximum = 0;
};

// A command's options, each declared once: parsing, --help and the man page
// (help2man reads --help) all read them from here.
class OptionTable
{
public:
    explicit OptionTable(std::vector<Option> options);

    // Splits the arguments by the table (see ScanArguments).
    ScannedArguments scan(const QStringList& arguments) const;

    // Whether the arguments ask for help: "--help" or "-h" anywhere before a
    // "--", which ends the options, except as an option's value ("--dir -h"
    // names a folder).
    bool asksForHelp(const QStringList& arguments) const;

    // The count option's value within its limits, or fallback when it is not
    // given. Throws UsageError naming the option.
    int count(const ScannedArguments& scanned, const QString& name, int fallback) const;

    // The text of a required number option, written as its kind asks. Throws
    // UsageError naming the option.
    QString number(const ScannedArguments& scanned, const QString& name) const;

    // One entry a line, as help2man reads them: "      --name VALUE", the
    // help from column 22 (on the next line after a long name), wrapped
    // within 79 columns.
    QString help() const;

    const Option& operator[](const QString& name) const;

private:
    std::vector<Option> m_options;
};

} // namespace Terminal
