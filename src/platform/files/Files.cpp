#include "platform/Files.h"

#include "platform/RuntimeError.h"

#include <QDir>
#include <QFileInfo>

namespace Platform {

void MkDir(const QString& path)
{
    if (QFileInfo::exists(path) || !QDir().mkdir(path))
        throw RuntimeError(ErrorKind::PathNotWritable, path);
}

} // namespace Platform
