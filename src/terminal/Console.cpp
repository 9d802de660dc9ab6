#include "terminal/Console.h"

#include <atomic>
#include <cstdio>

namespace Terminal {

QString WithReason(const QString& text, const QString& reason)
{
    return reason.isEmpty() ? text + "." : text + ": " + reason + ".";
}

void WriteStderr(const QString& text)
{
    // Once stderr fails (its reader gone, its terminal closed) nothing more
    // is written to it; the work goes on without a word.
    static std::atomic<bool> failed{false};
    if (failed.load())
        return;
    if (std::fputs(text.toLocal8Bit().constData(), stderr) < 0 || std::fflush(stderr) != 0)
        failed.store(true);
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
