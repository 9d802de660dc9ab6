#pragma once

#include "terminal/Console.h"

#include <QString>
#include <chrono>
#include <cstdint>

namespace Export {

// "frame 120 of 480 [#####---------------]  25%  elapsed 0:12  left 0:36".
QString EncodeBarText(std::int64_t encoded, std::int64_t total, double elapsedSeconds,
                      int barWidth);

// The frames an export has encoded, as a bar redrawn in place when shown on a
// terminal and not at all otherwise. Notes and problems go to the console
// given, on a line of their own.
class EncodeProgress : public Terminal::Console
{
public:
    EncodeProgress(Terminal::Console& console, std::int64_t total, bool showBar);
    // Ends the bar's line.
    ~EncodeProgress() override;
    EncodeProgress(const EncodeProgress&) = delete;
    EncodeProgress& operator=(const EncodeProgress&) = delete;

    void note(const QString& text) override;
    void problem(const QString& text) override;

    void encoded(std::int64_t count);

private:
    void clearBar();

    Terminal::Console& m_console;
    const std::int64_t m_total;
    const bool m_showBar;
    bool m_drawn = false;
    std::chrono::steady_clock::time_point m_start = std::chrono::steady_clock::now();
    std::chrono::steady_clock::time_point m_lastDraw;
};

} // namespace Export
