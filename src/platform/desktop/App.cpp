#include "platform/App.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

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

QString UserFilmsFolder()
{
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    if (pictures.isEmpty())
        return {};
    const QString films = QDir(pictures).filePath("PowerReels");
    if (!QDir().mkpath(films))
        return {};
    return films + "/";
}

} // namespace App
