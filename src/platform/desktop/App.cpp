#include "platform/App.h"

#include "platform/RuntimeError.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <cerrno>
#include <sys/stat.h>

namespace App {

QString Path()
{
    return QDir::cleanPath(QCoreApplication::applicationDirPath());
}

bool IsInstalledProgramFolder(const QString& path)
{
    const QDir folder(QDir::cleanPath(path));
    return folder.dirName() == "bin" && QFileInfo::exists(folder.filePath(
                                            "../share/applications/" POWERREELS_APP_ID ".desktop"));
}

bool IsWritableFolder(const QString& path)
{
    const QFileInfo folder(path);
    return folder.isDir() && folder.isWritable();
}

QString UserFilmsFolder(QString& problem)
{
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    if (pictures.isEmpty()) {
        problem = "There is no folder for the films: the desktop names no pictures folder.";
        return {};
    }
    const QString films = QDir(pictures).filePath("PowerReels");
    if (!QDir().mkpath(films) || !IsWritableFolder(films)) {
        // Tried once more for the system's reason, which mkpath does not tell.
        const int error = ::mkdir(QFile::encodeName(films).constData(), 0777) == 0 ? EACCES : errno;
        problem = QString("There is no folder for the films: \"%1\" cannot be made (%2).")
                      .arg(films, Platform::SystemReason(error == EEXIST ? EACCES : error));
        return {};
    }
    return films + "/";
}

} // namespace App
