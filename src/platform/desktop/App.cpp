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
