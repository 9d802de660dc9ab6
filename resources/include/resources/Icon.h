#pragma once

#include <QIcon>

// The window's icon, in 32 x 32 for the title bar and 256 x 256 for the
// desktop's icon theme.
QIcon PowerReelsIcon();
