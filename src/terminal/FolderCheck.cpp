#include "terminal/FolderCheck.h"

#include "platform/RuntimeError.h"
#include "terminal/Console.h"

#include <QFile>
#include <cerrno>
#include <dirent.h>
#include <sys/stat.h>

namespace Terminal {

namespace {

// Whether folder holds an entry that reads as name but whose bytes are not
// UTF-8: such a name reaches the program with U+FFFD in place of its bytes,
// and no path made from it leads back there.
bool HoldsUnreadableName(const QString& folder, const QString& name)
{
    DIR* entries = ::opendir(QFile::encodeName(folder).constData());
    if (entries == nullptr)
        return false;
    bool found = false;
    while (const dirent* entry = ::readdir(entries)) {
        const QByteArray bytes(entry->d_name);
        found = found || (QFile::decodeName(bytes) == name && QFile::encodeName(name) != bytes);
    }
    ::closedir(entries);
    return found;
}

// The part of path, up to the first folder that cannot be found, when that
// folder is there under a name that is not UTF-8; empty otherwise.
QString UnreadablePart(const QString& path)
{
    for (qsizetype start = 0; start < path.size();) {
        const qsizetype slash = path.indexOf('/', start);
        const qsizetype end = slash < 0 ? path.size() : slash;
        const QString part = path.sliced(start, end - start);
        struct stat info = {};
        if (!part.isEmpty() && ::stat(QFile::encodeName(path.left(end)).constData(), &info) != 0) {
            const bool unreadable = part.contains(QChar::ReplacementCharacter) &&
                                    HoldsUnreadableName(start > 0 ? path.left(start) : ".", part);
            return unreadable ? path.left(end) : QString();
        }
        start = end + 1;
    }
    return {};
}

} // namespace

QString FolderProblem(const QString& path)
{
    struct stat info = {};
    if (::stat(QFile::encodeName(path).constData(), &info) == 0)
        return S_ISDIR(info.st_mode) ? QString() : QString("\"%1\" is not a folder.").arg(path);
    const int error = errno;
    if (error != ENOENT && error != ENOTDIR)
        return WithReason(QString("Cannot reach the folder \"%1\"").arg(path),
                          Platform::SystemReason(error));
    if (const QString unreadable = UnreadablePart(path); !unreadable.isEmpty())
        return QString("The name of the folder \"%1\" is not UTF-8, which this program cannot "
                       "read; please rename the folder.")
            .arg(unreadable);
    return QString("The folder \"%1\" does not exist.").arg(path);
}

} // namespace Terminal
