#include "EncodeProgress.h"

#include "terminal/Durations.h"

#include <cmath>

namespace Export {

using namespace Terminal;

QString EncodeBarText(std::int64_t encoded, std::int64_t total, double elapsedSeconds, int barWidth)
{
    const double done = total > 0 ? double(encoded) / double(total) : 0;
    const int filled = int(std::floor(done * barWidth));
    const QString left =
        encoded > 0 ? FormatDuration(elapsedSeconds * (1 - done) / done) : QString("-:--");
    return QString("frame %1 of %2 [%3%4] %5%  elapsed %6  left %7")
        .arg(encoded)
        .arg(total)
        .arg(QString(filled, u'#'), QString(barWidth - filled, u'-'))
        .arg(int(std::floor(done * 100)), 3)
        .arg(FormatDuration(elapsedSeconds), left);
}

EncodeProgress::EncodeProgress(Console& console, std::int64_t total, bool showBar)
    : m_console(console), m_total(total), m_showBar(showBar)
{
}

EncodeProgress::~EncodeProgress()
{
    if (m_drawn)
        WriteStderr("\n");
}

void EncodeProgress::note(const QString& text)
{
    clearBar();
    m_console.note(text);
}

void EncodeProgress::problem(const QString& text)
{
    clearBar();
    m_console.problem(text);
}

void EncodeProgress::encoded(std::int64_t count)
{
    using namespace std::chrono;
    const steady_clock::time_point now = steady_clock::now();
    // A few redraws a second are enough to read and cost nothing.
    if (!m_showBar || (now - m_lastDraw < milliseconds(100) && count != m_total))
        return;
    const double elapsed = duration<double>(now - m_start).count();
    WriteStderr("\r" + EncodeBarText(count, m_total, elapsed, 20) + "\x1b[K");
    m_drawn = true;
    m_lastDraw = now;
}

void EncodeProgress::clearBar()
{
    if (m_drawn)
        WriteStderr("\r\x1b[K");
    m_drawn = false;
}

} // namespace Export
