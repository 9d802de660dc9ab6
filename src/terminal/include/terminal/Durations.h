#pragma once

#include <QString>

namespace Terminal {

// "0:07", "12:34", "1:02:03".
QString FormatDuration(double seconds);

} // namespace Terminal
