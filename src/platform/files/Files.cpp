#include "platform/Files.h"

#include "platform/RuntimeError.h"

#include <QFile>
#include <cerrno>
#include <sys/stat.h>

namespace Platform {

void MkDir(const QString& path)
{
    // The mode is the one QDir::mkdir gives: all that the umask allows.
    if (::mkdir(QFile::encodeName(path).constData(), 0777) != 0)
        throw RuntimeError(ErrorKind::PathNotWritable, path, SystemReason(errno));
}

} // namespace Platform
