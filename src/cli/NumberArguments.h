#pragma once

#include <QMap>
#include <QString>

namespace Cli {

// The four numbers of a film must be given, and each must be read whole:
// the window's reading of a leading number ("2.5abc" as 2.5, "abc" as 0)
// would quietly render another film than the one asked for. The point is the
// only decimal separator, whatever the user's settings, so that a command
// means the same film everywhere. Throws UsageError naming the option.
void RequireFilmNumbers(const QMap<QString, QString>& values);

} // namespace Cli
