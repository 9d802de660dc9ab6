#pragma once

#include <QString>

namespace Platform {

// Creates one folder. Throws RuntimeError(PathNotWritable) when it exists
// already or cannot be made.
void MkDir(const QString& path);

} // namespace Platform
