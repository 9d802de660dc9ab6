#include "platform/StagedFile.h"

#include "platform/RuntimeError.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSysInfo>
#include <cerrno>
#include <cstdio>
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace Platform {

namespace {

// Staging folders carry the machine and the process that made them, for
// whoever finds one; whether one is still in use is told by its lock alone,
// since a process id proves nothing on another machine or in a container.
const QString Prefix = QStringLiteral(".powerreels-staging-");
// Held by the writer for as long as the staging is in use; the kernel (or
// the file server) drops it when the writer dies.
const QByteArray LockName = ".lock";
// The lock is taken under this name and only then renamed to LockName, so
// that clean-up never finds a LockName that nobody holds in a live staging.
const QByteArray TakingName = ".lock-taking";

QString HostName()
{
    QString host = QSysInfo::machineHostName();
    for (QChar& c : host) {
        if (!c.isLetterOrNumber() && c != u'.' && c != u'-')
            c = u'_';
    }
    return host.isEmpty() ? QStringLiteral("localhost") : host;
}

// The staged bytes keep the final name, unless it is one of the lock's.
QString StagedName(const QString& finalName)
{
    const QByteArray name = QFile::encodeName(finalName);
    return name == LockName || name == TakingName ? "file" + finalName : finalName;
}

// Takes the lock of a new staging folder; -1 with errno set when it cannot.
int LockStaging(const QByteArray& folder)
{
    const QByteArray taking = folder + "/" + TakingName;
    const int lock =
        ::open(taking.constData(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (lock < 0)
        return -1;
    // A clean-up may have judged the folder abandoned before the lock was
    // held; then the rename fails and the caller starts anew.
    if (::flock(lock, LOCK_EX | LOCK_NB) != 0 ||
        ::rename(taking.constData(), (folder + "/" + LockName).constData()) != 0) {
        const int error = errno;
        ::unlink(taking.constData());
        ::close(lock);
        errno = error;
        return -1;
    }
    return lock;
}

// The descriptor of the folder's lock, held, when its writer is gone; -1
// while it is in use or when it has no lock to tell.
int TakeAbandonedLock(int folder)
{
    for (const QByteArray& name : {LockName, TakingName}) {
        const int lock = ::openat(folder, name.constData(), O_RDWR | O_CLOEXEC | O_NOFOLLOW);
        if (lock < 0)
            continue;
        if (::flock(lock, LOCK_EX | LOCK_NB) == 0)
            return lock;
        ::close(lock);
        return -1;
    }
    return -1;
}

// Empties and removes a staging folder of ours that its writer left behind;
// anything else of that name (a link, another user's folder, a staging in
// use) is left alone. An empty one goes in any case: it holds nothing.
void RemoveAbandonedStaging(int parent, const QByteArray& name)
{
    if (::unlinkat(parent, name.constData(), AT_REMOVEDIR) == 0)
        return;
    const int folder =
        ::openat(parent, name.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (folder < 0)
        return;
    struct stat info = {};
    const int lock =
        ::fstat(folder, &info) == 0 && info.st_uid == ::geteuid() ? TakeAbandonedLock(folder) : -1;
    DIR* entries = lock >= 0 ? ::fdopendir(folder) : nullptr;
    if (entries == nullptr) {
        ::close(folder);
        if (lock >= 0)
            ::close(lock);
        return;
    }
    while (const dirent* entry = ::readdir(entries)) {
        const QByteArray file(entry->d_name);
        if (file != "." && file != "..")
            ::unlinkat(folder, entry->d_name, 0);
    }
    ::closedir(entries);
    ::unlinkat(parent, name.constData(), AT_REMOVEDIR);
    ::close(lock);
}

} // namespace

StagedFile::StagedFile(const QString& finalPath) : m_finalPath(finalPath)
{
    const QFileInfo info(finalPath);
    const QByteArray pattern =
        QFile::encodeName(info.absolutePath() + "/" + Prefix + HostName() + "-" +
                          QString::number(qint64(::getpid())) + "-XXXXXX");
    // A clean-up that comes between the folder and its lock may take the
    // folder away; a few fresh tries get past it.
    for (int attempt = 1;; ++attempt) {
        QByteArray folder = pattern;
        // Made anew and private: no one else can enter it.
        if (::mkdtemp(folder.data()) == nullptr)
            throw RuntimeError(ErrorKind::PathNotWritable, finalPath, SystemReason(errno));
        m_lock = LockStaging(folder);
        if (m_lock >= 0) {
            m_folder = QFile::decodeName(folder);
            break;
        }
        const int error = errno;
        ::rmdir(folder.constData());
        if (attempt == 3)
            throw RuntimeError(ErrorKind::PathNotWritable, finalPath, SystemReason(error));
    }
    m_path = m_folder + "/" + StagedName(info.fileName());
}

StagedFile::~StagedFile()
{
    const QByteArray folder = QFile::encodeName(m_folder);
    ::unlink(QFile::encodeName(m_path).constData());
    ::unlink((folder + "/" + LockName).constData());
    ::rmdir(folder.constData());
    ::close(m_lock);
}

void StagedFile::commit()
{
    // rename replaces the entry at the final name; it never follows a link.
    if (std::rename(QFile::encodeName(m_path).constData(),
                    QFile::encodeName(m_finalPath).constData()) != 0)
        throw RuntimeError(ErrorKind::PathNotWritable, m_finalPath, SystemReason(errno));
}

void TryStaging(const QString& folder)
{
    const StagedFile probe(folder + "/.powerreels-probe");
    const int file = ::open(QFile::encodeName(probe.path()).constData(),
                            O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (file < 0)
        throw RuntimeError(ErrorKind::PathNotWritable, folder, SystemReason(errno));
    ::close(file);
}

void ClearAbandonedStaging(const QString& folder)
{
    static const QRegularExpression name("^" + QRegularExpression::escape(Prefix) +
                                         R"(.+-[0-9]{1,10}-[A-Za-z0-9]{6}$)");
    const int parent =
        ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (parent < 0)
        return;
    const int listed = ::dup(parent);
    DIR* entries = listed < 0 ? nullptr : ::fdopendir(listed);
    if (entries == nullptr) {
        if (listed >= 0)
            ::close(listed);
        ::close(parent);
        return;
    }
    std::vector<QByteArray> staging;
    while (const dirent* entry = ::readdir(entries)) {
        if (name.match(QFile::decodeName(entry->d_name)).hasMatch())
            staging.emplace_back(entry->d_name);
    }
    ::closedir(entries);
    for (const QByteArray& found : staging)
        RemoveAbandonedStaging(parent, found);
    ::close(parent);
}

} // namespace Platform
