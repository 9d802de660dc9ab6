#pragma once

#include <QString>

namespace Terminal {

// Why a folder named on the command line cannot be used: not there, not a
// folder, named in bytes that are not UTF-8, or out of reach for the
// system's reason. Empty when it is a folder that can be entered.
QString FolderProblem(const QString& path);

} // namespace Terminal
