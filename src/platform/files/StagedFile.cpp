#include "platform/StagedFile.h"

#include "platform/RuntimeError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSysInfo>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <dirent.h>
#include <fcntl.h>
#include <limits>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace Platform {

namespace {

// Staging folders carry the machine and the process that made them, so that
// a later run can tell an abandoned one from one still in use, even in a
// folder that several machines share.
const QString Prefix = QStringLiteral(".powerreels-staging-");

QString HostName()
{
    QString host = QSysInfo::machineHostName();
    for (QChar& c : host) {
        if (!c.isLetterOrNumber() && c != u'.' && c != u'-')
            c = u'_';
    }
    return host.isEmpty() ? QStringLiteral("localhost") : host;
}

bool IsRunning(pid_t pid)
{
    // EPERM: it runs, as another user.
    return ::kill(pid, 0) == 0 || errno != ESRCH;
}

// Empties and removes a staging folder of ours; anything else of that name
// (a link, another user's folder) is left alone.
void RemoveStagingFolder(int parent, const QByteArray& name)
{
    const int folder = ::openat(parent, name.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW);
    if (folder < 0)
        return;
    struct stat info = {};
    DIR* entries = nullptr;
    if (::fstat(folder, &info) != 0 || info.st_uid != ::geteuid() ||
        (entries = ::fdopendir(folder)) == nullptr) {
        ::close(folder);
        return;
    }
    while (const dirent* entry = ::readdir(entries)) {
        const QByteArray file(entry->d_name);
        if (file != "." && file != "..")
            ::unlinkat(folder, entry->d_name, 0);
    }
    ::closedir(entries);
    ::unlinkat(parent, name.constData(), AT_REMOVEDIR);
}

} // namespace

StagedFile::StagedFile(const QString& finalPath) : m_finalPath(finalPath)
{
    const QFileInfo info(finalPath);
    QByteArray pattern = QFile::encodeName(info.absolutePath() + "/" + Prefix + HostName() + "-" +
                                           QString::number(qint64(::getpid())) + "-XXXXXX");
    // Made anew and private: no one else can enter it.
    if (::mkdtemp(pattern.data()) == nullptr)
        throw RuntimeError(ErrorKind::PathNotWritable, finalPath);
    m_folder = QFile::decodeName(pattern);
    m_path = m_folder + "/" + info.fileName();
}

StagedFile::~StagedFile()
{
    ::unlink(QFile::encodeName(m_path).constData());
    ::rmdir(QFile::encodeName(m_folder).constData());
}

void StagedFile::commit()
{
    // rename replaces the entry at the final name; it never follows a link.
    if (std::rename(QFile::encodeName(m_path).constData(),
                    QFile::encodeName(m_finalPath).constData()) != 0)
        throw RuntimeError(ErrorKind::PathNotWritable, m_finalPath);
}

void ClearAbandonedStaging(const QString& folder)
{
    static const QRegularExpression name("^" + QRegularExpression::escape(Prefix) +
                                         R"((.+)-([0-9]{1,10})-[A-Za-z0-9]{6}$)");
    const int parent = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY);
    if (parent < 0)
        return;
    DIR* entries = ::fdopendir(::dup(parent));
    if (entries == nullptr) {
        ::close(parent);
        return;
    }
    const QString host = HostName();
    std::vector<QByteArray> abandoned;
    while (const dirent* entry = ::readdir(entries)) {
        const QRegularExpressionMatch match = name.match(QFile::decodeName(entry->d_name));
        if (!match.hasMatch() || match.captured(1) != host)
            continue;
        const qint64 pid = match.captured(2).toLongLong();
        if (pid != ::getpid() && pid <= std::numeric_limits<pid_t>::max() && !IsRunning(pid_t(pid)))
            abandoned.emplace_back(entry->d_name);
    }
    ::closedir(entries);
    for (const QByteArray& staging : abandoned)
        RemoveStagingFolder(parent, staging);
    ::close(parent);
}

} // namespace Platform
