#include "terminal/Console.h"

#include <cstdio>

namespace Terminal {

void WriteStderr(const QString& text)
{
    std::fputs(text.toLocal8Bit().constData(), stderr);
    std::fflush(stderr);
}

void StderrConsole::note(const QString& text)
{
    WriteStderr(text + "\n");
}

void StderrConsole::problem(const QString& text)
{
    WriteStderr("powerreels-cli: " + text + "\n");
}

} // namespace Terminal
