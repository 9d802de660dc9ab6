#pragma once

#include <QString>

namespace Platform {

// Creates one folder. Throws RuntimeError(PathNotWritable) with the system's
// reason when it exists already or cannot be made.
void MkDir(const QString& path);

} // namespace Platform
