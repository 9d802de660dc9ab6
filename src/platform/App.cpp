#include "platform/App.h"

#include <QCoreApplication>
#include <QDir>

namespace App {

QString Path()
{
    return QDir::cleanPath(QCoreApplication::applicationDirPath());
}

} // namespace App
