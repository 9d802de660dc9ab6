#include "export/AvailableMemory.h"

#include <QByteArray>
#include <QFile>
#include <QRegularExpression>
#include <algorithm>
#include <sys/resource.h>
#include <vector>

namespace Export {

namespace {

QByteArray ReadSmallFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.read(1 << 16) : QByteArray();
}

// "Name:   1234 kB" in a /proc file, in bytes; -1 when absent.
qint64 KilobyteField(const QString& path, const char* name)
{
    const QRegularExpression line(QString("^%1:\\s+(\\d+) kB$").arg(QLatin1String(name)),
                                  QRegularExpression::MultilineOption);
    const QRegularExpressionMatch match = line.match(QString::fromLatin1(ReadSmallFile(path)));
    return match.hasMatch() ? match.captured(1).toLongLong() * 1024 : -1;
}

// The least that memory.max leaves over memory.current in this process's
// control group and those above it; -1 when none sets a limit.
qint64 ControlGroupRoom()
{
    // cgroup v2: "0::/some/group".
    const QByteArray groups = ReadSmallFile("/proc/self/cgroup");
    const qsizetype start = groups.indexOf("0::");
    if (start < 0)
        return -1;
    QString group = QString::fromUtf8(groups.mid(start + 3).split('\n').front());
    qint64 room = -1;
    for (;;) {
        const QString folder = "/sys/fs/cgroup" + (group == "/" ? QString() : group);
        bool limited = false;
        const qint64 limit = ReadSmallFile(folder + "/memory.max").trimmed().toLongLong(&limited);
        if (limited) {
            const qint64 used = ReadSmallFile(folder + "/memory.current").trimmed().toLongLong();
            const qint64 left = std::max<qint64>(limit - used, 0);
            room = room < 0 ? left : std::min(room, left);
        }
        if (group.isEmpty() || group == "/")
            return room;
        group = group.left(std::max<qsizetype>(group.lastIndexOf('/'), 1));
    }
}

} // namespace

qint64 AvailableMemory()
{
    std::vector<qint64> rooms = {KilobyteField("/proc/meminfo", "MemAvailable"),
                                 ControlGroupRoom()};
    rlimit limit{};
    if (getrlimit(RLIMIT_AS, &limit) == 0 && limit.rlim_cur != RLIM_INFINITY) {
        const qint64 mapped = std::max<qint64>(KilobyteField("/proc/self/status", "VmSize"), 0);
        rooms.push_back(std::max<qint64>(qint64(limit.rlim_cur) - mapped, 0));
    }
    qint64 least = 0;
    for (const qint64 room : rooms) {
        if (room >= 0)
            least = least == 0 ? std::max<qint64>(room, 1) : std::min(least, room);
    }
    return least;
}

} // namespace Export
