#include "QuietProgress.h"

namespace Cli {

void QuietProgress::problem(const QString& text)
{
    m_console.problem(text);
}

} // namespace Cli
