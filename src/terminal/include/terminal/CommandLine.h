#pragma once

#include "terminal/MessageError.h"

#include <QMap>
#include <QSet>
#include <QString>
#include <QStringList>

namespace Terminal {

struct ScannedArguments
{
    QStringList positional;
    QMap<QString, QString> values; // "--emin" -> "2"
    QSet<QString> flags;           // "--pingpong"
};

// Splits "--name value", "--name=value", flags and positional arguments.
// A value may start with a dash ("--emin -3"), as the window's boxes accept
// any text. Unknown options, missing values and repeated options are usage
// errors.
ScannedArguments ScanArguments(const QStringList& arguments, const QStringList& valueOptions,
                               const QStringList& flagOptions);

// A whole number written with digits only, within [minimum, maximum]; what
// names the option in the error message.
int ReadCount(const QString& text, int minimum, int maximum, const QString& what);

} // namespace Terminal
