#pragma once

#include <QString>

namespace Terminal {

// Where a command tells the user what it does and what went wrong.
class Console
{
public:
    virtual ~Console() = default;
    // What is happening, for the user watching.
    virtual void note(const QString& text) = 0;
    // Something went wrong or was left out.
    virtual void problem(const QString& text) = 0;
};

// Both kinds on stderr, problems after the program's name, so that stdout
// stays free for a caller's own use.
class StderrConsole : public Console
{
public:
    void note(const QString& text) override;
    void problem(const QString& text) override;
};

// "text: reason." for a failure the system gave a reason for, else "text.".
QString WithReason(const QString& text, const QString& reason);

// Writes one line to stderr at once.
void WriteStderr(const QString& text);

} // namespace Terminal
