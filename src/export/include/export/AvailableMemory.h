#pragma once

#include <QtGlobal>

namespace Export {

// Bytes this process may still take: the least of what the system has
// available (MemAvailable), what its address space limit leaves (RLIMIT_AS)
// and what its control group allows (memory.max, here and above); 0 when
// none of them can be told.
qint64 AvailableMemory();

} // namespace Export
