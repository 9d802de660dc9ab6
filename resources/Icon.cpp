#include "resources/Icon.h"

QIcon PowerReelsIcon()
{
    QIcon icon;
    icon.addFile(QStringLiteral(":/icons/powerreels-32.png"), QSize(32, 32));
    icon.addFile(QStringLiteral(":/icons/powerreels-256.png"), QSize(256, 256));
    return icon;
}
